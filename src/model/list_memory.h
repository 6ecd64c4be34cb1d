// The one way a list's storage grows: the memory gate is asked first and an
// allocation failure becomes a refusal, so callers can return -3 with the
// list unchanged.
#pragma once

#include <cstddef>
#include <new>

#include "model/url_list_file.h"

template <typename Vector>
bool ReserveThroughGate(MemoryGate* gate, Vector& vector, std::size_t size) {
    if (size <= vector.capacity()) return true;
    if (gate && !gate->MayGrow(size * sizeof(typename Vector::value_type))) return false;
    try {
        vector.reserve(size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}
