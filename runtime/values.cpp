#include "runtime/values.h"

namespace runtime {

int32_t TypeSize(uint32_t typeCode) {
    switch (ValueType(typeCode)) {
        case ValueType::Byte:
            return 1;
        case ValueType::Short:
            return 2;
        case ValueType::Int:
        case ValueType::Float:
            return 4;
        case ValueType::Long:
        case ValueType::Double:
            return 8;
        default:
            return 0;
    }
}

}  // namespace runtime
