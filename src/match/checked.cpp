#include "match/checked.h"

namespace hovla {

void raiseOverflow(const char* operation, long value)
{
    throw Error("Overflow: " + std::string(operation) + " = " + std::to_string(value)
                + " does not fit in 16 bits");
}

void raiseSubscript(const char* array, long index, long upper)
{
    throw Error("Subscript out of range: " + std::string(array) + "(" + std::to_string(index)
                + "), bounds 0 to " + std::to_string(upper));
}

} // namespace hovla
