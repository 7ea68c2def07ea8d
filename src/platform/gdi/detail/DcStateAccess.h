// Reading and replacing one field of a context's drawing state: the shape of every Get/Set pair of context
// attributes (a bad handle fails with ERROR_INVALID_HANDLE and the call's failure value).
#pragma once

#include "platform/gdi/DC.h"
#include "platform/system/LastError.h"

#include <type_traits>
#include <utility>

namespace win {

// The field's value, or `failure` for a bad handle.
template <class T> T GetDcState(HDC hdc, T DcState::*field, std::type_identity_t<T> failure) {
    const DeviceContext* dc = FindDCOrFail(hdc);
    return dc ? dc->state.*field : failure;
}

// Stores `value` and returns the value before; `failure` for a bad handle, or (with ERROR_INVALID_PARAMETER)
// for a value the caller found not `valid`. The handle is checked first.
template <class T>
T SetDcState(HDC hdc, T DcState::*field, std::type_identity_t<T> value, std::type_identity_t<T> failure,
             bool valid = true) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return failure;
    if (!valid) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return failure;
    }
    return std::exchange(dc->state.*field, value);
}

} // namespace win
