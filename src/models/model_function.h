// The signature every model library exports per model:
//   double WINAPI <ModelName>(int *Dimension, double *Variable,
//                             double *Parameter, double *Input_Data)
// Dimension[0] selects which derivative is returned. WINAPI is empty here.
// Beside it a library may export the model's whole vector field, all n
// derivatives in one call, under vectorFieldSymbol(<ModelName>).
#pragma once

using ModelFunction = double (*)(int* Dimension, double* Variable, double* Parameter,
                                 double* Input_Data);

using VectorFieldFunction = void (*)(const double* Variable, const double* Parameter,
                                     double* Derivative);
