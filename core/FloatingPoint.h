#pragma once

#include <cstdint>
#include <limits>

// Floating-point control of the computations. Faults are detected, not
// trapped: a computation starts with BeginComputation, which puts the x87
// unit into extended precision with round-to-nearest and clears the fault
// flags. Every operation that can fault on finite operands (a division by a
// value that may be 0, a square root, a logarithm, an exponential) is checked
// right after itself, so that a run stops at its first failing operation: a
// fault of these operations always leaves a result that is not finite (±∞ or
// NaN), and only such a result has the x87 status word read, which names the
// fault and raises its message as a CalcError. A Decimal4 store of a value
// outside the range, ±∞ or NaN reads the status word the same way. Each
// computation reads the status word once more before it keeps its results
// (CheckFloatingPoint), so that a fault of an operation that is not checked on
// its own is never lost. The control word and the fault flags belong to the
// calling thread: a computation sets them on its own thread, and computations
// on other threads neither see nor disturb them.

// The formulas are defined on the x87 80-bit extended type; nothing else
// gives the same digits.
#if !defined(__x86_64__)
#error "the computations need the x87 extended-precision unit of an x86-64 processor"
#endif
#if defined(__FAST_MATH__)
#error "fast-math reorders and contracts the formulas; build without it"
#endif
#if defined(__FINITE_MATH_ONLY__) && __FINITE_MATH_ONLY__
#error "finite-math-only takes every result for finite, and so misses every fault; build without it"
#endif
static_assert(std::numeric_limits<long double>::digits == 64, "long double must be the 80-bit extended type");

// Sets extended precision and round-to-nearest, clears the fault flags.
void BeginComputation();

// Reads the x87 status word and raises the fault of any operation done so
// far, clearing the flags; nothing when no fault flag is set. The fault flags
// are invalid operation, division by zero and overflow (denormal, underflow
// and precision are not faults of the method); the fault raised is a division
// by zero, an overflow or an invalid operation, in that order when one reading
// shows several (a division by zero or an overflow is the cause of the invalid
// operation that usually follows it).
void CheckFloatingPoint();

// The result of an operation checked at once: one that is not finite has its
// fault raised.
inline long double Checked(long double result) {
    if (!__builtin_isfinite(result)) [[unlikely]]
        CheckFloatingPoint();
    return result;
}

// dividend / divisor in one x87 division checked at once: x/0 is a division
// by zero, 0/0 an invalid operation.
inline long double Quotient(long double dividend, long double divisor) {
    long double q;
    asm volatile("fdiv %%st(1), %%st" : "=t"(q) : "0"(dividend), "u"(divisor));  // st0 = st0 / st1
    return Checked(q);
}

// The x87 instructions themselves, so that sines, arc tangents and roots are
// the ones of the extended-precision unit. Each asm names every stack slot it
// uses beyond its operands as clobbered, so that the compiler leaves them
// free. Sine, cosine and arc tangent do not fault on finite arguments; the
// root, logarithm and exponential are checked at once.
inline long double X87Sin(long double x) {
    long double r;
    asm("fsin" : "=t"(r) : "0"(x));
    return r;
}

inline long double X87Cos(long double x) {
    long double r;
    asm("fcos" : "=t"(r) : "0"(x));
    return r;
}

// Arc tangent of x, in radians.
inline long double X87Atan(long double x) {
    // fpatan computes atan(st1 / st0) and pops; st0 = 1, st1 = x.
    long double r;
    asm("fld1\n\tfpatan" : "=t"(r) : "0"(x) : "st(1)");
    return r;
}

// The square root of a negative number is an invalid operation.
inline long double X87Sqrt(long double x) {
    long double r;
    asm volatile("fsqrt" : "=t"(r) : "0"(x));
    return Checked(r);
}

// ln 0 is a division by zero, the logarithm of a negative number invalid.
inline long double X87Ln(long double x) {
    // ln x = ln 2 * log2 x: fldln2 pushes ln 2, fyl2x computes st1 * log2(st0).
    long double r;
    asm volatile("fldln2\n\tfxch %%st(1)\n\tfyl2x" : "=t"(r) : "0"(x) : "st(1)");
    return Checked(r);
}

// e^x; a result beyond the extended range is an overflow.
inline long double X87Exp(long double x) {
    // e^x = 2^(x * log2 e), split into an integer and a fractional power of 2:
    // f2xm1 takes the fraction (|f| <= 1), fscale applies the integer part.
    long double r;
    asm volatile(
        "fldl2e\n\t"
        "fmulp\n\t"  // st0 = x * log2 e
        "fld %%st(0)\n\t"
        "frndint\n\t"              // st0 = n, st1 = y
        "fsubr %%st, %%st(1)\n\t"  // st1 = y - n
        "fxch %%st(1)\n\t"         // st0 = f, st1 = n
        "f2xm1\n\t"
        "fld1\n\t"
        "faddp\n\t"  // st0 = 2^f, st1 = n
        "fscale\n\t"
        "fstp %%st(1)"
        : "=t"(r)
        : "0"(x)
        : "st(1)", "st(2)");
    return Checked(r);
}
