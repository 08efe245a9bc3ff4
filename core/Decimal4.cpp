#include "Decimal4.h"

#include "CalcError.h"

void RaiseOutOfRange() { throw CalcError(ArithmeticFault::InvalidOperation); }
