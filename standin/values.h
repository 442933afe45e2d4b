#ifndef OSTREL_STANDIN_VALUES_H_
#define OSTREL_STANDIN_VALUES_H_

#include <cstddef>

#include "standin/capi.h"

namespace standin {

// A counted binary value holding a copy of the bytes; null for no bytes, as in the engine.
cef_binary_value_t* NewBinaryValue(const void* data, size_t size);

}  // namespace standin

#endif  // OSTREL_STANDIN_VALUES_H_
