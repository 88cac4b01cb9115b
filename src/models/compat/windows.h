/* Lets a model list source, whose head is written for a Windows compiler, build
   as a shared library with a Unix C compiler: WINAPI names no calling convention
   here, and __declspec(dllexport) makes a function visible from the library. */
#ifndef ATTRAVA_COMPAT_WINDOWS_H
#define ATTRAVA_COMPAT_WINDOWS_H

#define WINAPI
#define __declspec(spec) __attribute__((visibility("default")))

#endif
