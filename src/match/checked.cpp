#include "match/checked.h"

namespace hovla {

void raiseOverflow(const char* operation, long value, int bits)
{
    throw Error("Overflow: " + std::string(operation) + " = " + std::to_string(value) + " does not fit in "
                + std::to_string(bits) + " bits");
}

void raiseSubscript(const char* array, long index, long upper)
{
    throw Error("Subscript out of range: " + std::string(array) + "(" + std::to_string(index)
                + "), bounds 0 To " + std::to_string(upper));
}

void raiseSubscript(const char* array, long i, long j, long upperI, long upperJ)
{
    throw Error("Subscript out of range: " + std::string(array) + "(" + std::to_string(i) + ", "
                + std::to_string(j) + "), bounds (0 To " + std::to_string(upperI) + ", 0 To "
                + std::to_string(upperJ) + ")");
}

} // namespace hovla
