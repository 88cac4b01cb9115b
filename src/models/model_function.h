// The signature every model library exports per model:
//   double WINAPI <ModelName>(int *Dimension, double *Variable,
//                             double *Parameter, double *Input_Data)
// Dimension[0] selects which derivative is returned. WINAPI is empty here.
// Beside it a library may export the model's whole vector field, all n
// derivatives in one call, under vectorFieldSymbol(<ModelName>), and one
// classical Runge-Kutta step of step size h over that field, under
// rungeKuttaStepSymbol(<ModelName>), with the engine's order of operations.
#pragma once

using ModelFunction = double (*)(int* Dimension, double* Variable, double* Parameter,
                                 double* Input_Data);

using VectorFieldFunction = void (*)(const double* Variable, const double* Parameter,
                                     double* Derivative);

using StepFunction = void (*)(const double* State, const double* Parameter, double h,
                              double* Next);
