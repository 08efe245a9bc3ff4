#pragma once

#include <cstdint>
#include <limits>

// Floating-point control of the computations. Faults are detected, not
// trapped: a computation starts with BeginComputation, which puts the x87
// unit into extended precision with round-to-nearest and clears the fault
// flags. Every operation that can fault on finite operands (a division by a
// value that may be 0, a square root, a logarithm, an exponential) reads the
// x87 status word right after itself and raises its fault's message as a
// CalcError, so a run stops at its first failing operation. Every Decimal4
// store reads the status word too, which catches a fault of any other
// operation before its result is kept.

// The formulas are defined on the x87 80-bit extended type; nothing else
// gives the same digits.
#if !defined(__x86_64__)
#error "the computations need the x87 extended-precision unit of an x86-64 processor"
#endif
#if defined(__FAST_MATH__)
#error "fast-math reorders and contracts the formulas; build without it"
#endif
static_assert(std::numeric_limits<long double>::digits == 64, "long double must be the 80-bit extended type");

// Sets extended precision and round-to-nearest, clears the fault flags.
void BeginComputation();

// Fault flags of the x87 status word: invalid operation (bit 0), division by
// zero (bit 2), overflow (bit 3). Denormal, underflow and precision are not
// faults of the method.
inline constexpr std::uint16_t kX87FaultFlags = 0x000D;

// Clears the flags and raises the fault of a status word with a fault flag:
// "Floating point division by zero", "Floating point overflow" or "Invalid
// floating point operation", in that order when one reading shows several (a
// division by zero or an overflow is the cause of the invalid operation that
// usually follows it).
[[noreturn]] void RaiseFloatingPointFault(std::uint16_t status);

inline void CheckStatus(std::uint16_t status) {
    if (status & kX87FaultFlags) [[unlikely]]
        RaiseFloatingPointFault(status);
}

// Raises the fault of any operation done so far, clearing the flags.
inline void CheckFloatingPoint() {
    std::uint16_t status;
    asm volatile("fnstsw %0" : "=a"(status));
    CheckStatus(status);
}

// dividend / divisor in one x87 division whose fault is read at once: x/0 is a
// division by zero, 0/0 an invalid operation.
inline long double Quotient(long double dividend, long double divisor) {
    long double q;
    std::uint16_t status;
    asm volatile(
        "fdiv %%st(1), %%st\n\t"  // st0 = st0 / st1
        "fnstsw %1"
        : "=t"(q), "=a"(status)
        : "0"(dividend), "u"(divisor));
    CheckStatus(status);
    return q;
}

// The x87 instructions themselves, so that sines, arc tangents and roots are
// the ones of the extended-precision unit. Each asm names every stack slot it
// uses beyond its operands as clobbered, so that the compiler leaves them
// free. Sine, cosine and arc tangent do not fault on finite arguments; the
// root, logarithm and exponential read their fault at once.
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
    std::uint16_t status;
    asm volatile("fsqrt\n\tfnstsw %1" : "=t"(r), "=a"(status) : "0"(x));
    CheckStatus(status);
    return r;
}

// ln 0 is a division by zero, the logarithm of a negative number invalid.
inline long double X87Ln(long double x) {
    // ln x = ln 2 * log2 x: fldln2 pushes ln 2, fyl2x computes st1 * log2(st0).
    long double r;
    std::uint16_t status;
    asm volatile("fldln2\n\tfxch %%st(1)\n\tfyl2x\n\tfnstsw %1" : "=t"(r), "=a"(status) : "0"(x) : "st(1)");
    CheckStatus(status);
    return r;
}

// e^x; a result beyond the extended range is an overflow.
inline long double X87Exp(long double x) {
    // e^x = 2^(x * log2 e), split into an integer and a fractional power of 2:
    // f2xm1 takes the fraction (|f| <= 1), fscale applies the integer part.
    long double r;
    std::uint16_t status;
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
        "fstp %%st(1)\n\t"
        "fnstsw %1"
        : "=t"(r), "=a"(status)
        : "0"(x)
        : "st(1)", "st(2)");
    CheckStatus(status);
    return r;
}
