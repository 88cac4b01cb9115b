// The signature every model library exports per model:
//   double WINAPI <ModelName>(int *Dimension, double *Variable,
//                             double *Parameter, double *Input_Data)
// Dimension[0] selects which derivative is returned. WINAPI is empty here.
#pragma once

using ModelFunction = double (*)(int* Dimension, double* Variable, double* Parameter,
                                 double* Input_Data);
