#include <windows.h>
#include <math.h>
__declspec(dllexport) void WINAPI dllmain(void){}

//ModelName = Lorenz
//ModelFileDir = ./Lorenz.txt
//2026/12/07 08:34:16
__declspec(dllexport) double WINAPI Lorenz(int *Dimension, double *Variable, double *Parameter, double *Input_Data)
{
	double Solution;
	double x = Variable[0], y = Variable[1], z = Variable[2];
	double a = Parameter[0], b = Parameter[1], c = Parameter[2];

	if(Dimension[0] == 0)
		Solution = a*y-a*x;
	else if(Dimension[0] == 1)
		Solution = -x*z+b*x-y;
	else if(Dimension[0] == 2)
		Solution = x*y-c*z;
	return Solution;
}

//ModelName = Ressler
//ModelFileDir = ./Ressler.txt
//2026/12/07 08:34:16
__declspec(dllexport) double WINAPI Ressler(int *Dimension, double *Variable, double *Parameter, double *Input_Data)
{
	double Solution;
	double x = Variable[0], y = Variable[1], z = Variable[2];
	double a = Parameter[0], b = Parameter[1], c = Parameter[2];

	if(Dimension[0] == 0)
		Solution = -y-z;
	else if(Dimension[0] == 1)
		Solution = a*y+x;
	else if(Dimension[0] == 2)
		Solution = b*x-(c-x)*z;
	return Solution;
}

//ModelName = ChenUeta
//ModelFileDir = ./ChenUeta.txt
//2026/12/07 08:34:16
__declspec(dllexport) double WINAPI ChenUeta(int *Dimension, double *Variable, double *Parameter, double *Input_Data)
{
	double Solution;
	double x = Variable[0], y = Variable[1], z = Variable[2];
	double a = Parameter[0], b = Parameter[1], c = Parameter[2];

	if(Dimension[0] == 0)
		Solution = (y-x)*a;
	else if(Dimension[0] == 1)
		Solution = (c-a)*x-x*z+c*y;
	else if(Dimension[0] == 2)
		Solution = x*y-b*z;
	return Solution;
}

//ModelName = Chua_Circuit
//ModelFileDir = ./Chua_Circuit.txt
//2026/12/07 08:34:16
__declspec(dllexport) double WINAPI Chua_Circuit(int *Dimension, double *Variable, double *Parameter, double *Input_Data)
{
	double Solution;
	double x = Variable[0], y = Variable[1], z = Variable[2];
	double a = Parameter[0], b = Parameter[1], c = Parameter[2], d = Parameter[3], e = Parameter[4], f = Parameter[5], g = Parameter[6];

	if(Dimension[0] == 0)
		Solution = ((y-x)*d-((fabs(x-g)*((e-f)*0.5))+(fabs(x+g)*((f-e)*0.5)+e*x)))*a;
	else if(Dimension[0] == 1)
		Solution = ((x-y)*d+z)*b;
	else if(Dimension[0] == 2)
		Solution = -y*c;
	return Solution;
}

//ModelName = Langford
//ModelFileDir = ./Langford.txt
//2026/12/07 08:34:16
__declspec(dllexport) double WINAPI Langford(int *Dimension, double *Variable, double *Parameter, double *Input_Data)
{
	double Solution;
	double x = Variable[0], y = Variable[1], z = Variable[2];
	double a = Parameter[0], b = Parameter[1], c = Parameter[2], d = Parameter[3], e = Parameter[4], f = Parameter[5];

	if(Dimension[0] == 0)
		Solution = (z-b)*x-d*y;
	else if(Dimension[0] == 1)
		Solution = d*x+(z-b)*y;
	else if(Dimension[0] == 2)
		Solution = a*z+c-z*z*z*(1.0/3.0)-(x*x+y*y)*(e*z+1)+f*z*x*x*x;
	return Solution;
}

//ModelName = ResslerHyperchaos
//ModelFileDir = ./ResslerHyperchaos.txt
//2026/12/07 08:34:16
__declspec(dllexport) double WINAPI ResslerHyperchaos(int *Dimension, double *Variable, double *Parameter, double *Input_Data)
{
	double Solution;
	double x = Variable[0], y = Variable[1], z = Variable[2], w = Variable[3];
	double a = Parameter[0], b = Parameter[1], c = Parameter[2], d = Parameter[3];

	if(Dimension[0] == 0)
		Solution = -z-y;
	else if(Dimension[0] == 1)
		Solution = a*y+x+w;
	else if(Dimension[0] == 2)
		Solution = z*x+b;
	else if(Dimension[0] == 3)
		Solution = d*w+c*z;
	return Solution;
}

