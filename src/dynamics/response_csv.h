// The temporal responses of a view's orbit as CSV text: the header
// "point,lambda_x,...,DL" and one row per orbit step with the running estimate
// of every exponent and the Lyapunov dimension of those estimates. The batch
// tool writes it and the program's response windows save it, so both give the
// same file for the same orbit.
#pragma once

#include <string>

class DynamicsEngine;

// The header line alone, for a model of n variables.
std::string responseCsvHeader(int n);

// The responses stored in the engine (see DynamicsEngine::lyapunovResponses);
// the dimension column is computed from the spectrum response, so a spectrum
// response alone is enough. Numbers are the shortest texts that read back as
// the same doubles; a value that is not a finite
// number is written as "-". Only the header when no response is stored.
std::string responseCsv(const DynamicsEngine& engine);
