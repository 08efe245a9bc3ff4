#pragma once

// Floating-point control of the computations. Faults are detected, not
// trapped: a computation starts with BeginComputation, which puts the x87
// unit into extended precision with round-to-nearest and clears the fault
// flags; every Decimal4 store (or an explicit CheckFloatingPoint) then reads
// the flags and raises the fault's message as a CalcError.

// Sets extended precision and round-to-nearest, clears the fault flags.
void BeginComputation();

// Raises "Floating point division by zero", "Floating point overflow" or
// "Invalid floating point operation" when the corresponding flag is set (in
// that order of precedence: a division by zero or an overflow is the cause of
// the invalid operation that usually follows it), clearing the flags.
void CheckFloatingPoint();

// The x87 instructions themselves, so that sines, arc tangents and roots are
// the ones of the extended-precision unit.
long double X87Sin(long double x);
long double X87Cos(long double x);
long double X87Atan(long double x);  // arc tangent of x, in radians
long double X87Sqrt(long double x);  // sqrt of a negative number is an invalid operation
long double X87Ln(long double x);
long double X87Exp(long double x);
