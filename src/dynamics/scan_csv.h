// The CSV of a parameter scan, as the batch tool's scan command writes it
// and the program's scan window saves it. Every row starts with its indices, zero-padded to a
// fixed width, and the rows of a run come in the order of those indices; the
// header starts with "#" and only the first shard (or an unsharded run)
// writes it. So the files of all shards, put together and sorted bytewise
// (LC_ALL=C sort), are the file of one unsharded run.
//
//   maxima, section:  #i,k,<param>,<variable>   one row per value found; a
//                     value whose orbit diverged has one row with k 0 and
//                     an empty value
//   spectrum:         #i,<param>,lambda_x,...,DL (empty fields: no spectrum)
//   grid:             #i,j,<param>,<param2>,<value> with value the number of
//                     distinct maxima (section values) or the largest exponent
#pragma once

#include "dynamics/parameter_scan.h"

class TextOut;

// The header (for the first shard) and the rows of the computed cells.
void writeScanCsv(TextOut& text, const ScanSettings& settings, const ScanResult& result);
