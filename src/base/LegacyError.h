#pragma once

namespace base {

// The error numbers of the platform the unit was first written for. Messages show them to the
// user ("エラー Code:75", "エラーコード：481"), so they keep their values; every part of the
// program names them from here.
enum class LegacyError : int {
    None = 0,
    InvalidCall = 5,            // a value a call cannot take: a text too long for its field
    OutOfMemory = 7,
    OutOfStackSpace = 28,
    InternalError = 51,
    BadFileName = 52,
    FileNotFound = 53,
    DeviceIoError = 57,
    DiskFull = 61,
    DeviceUnavailable = 68,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
    InvalidPropertyValue = 380, // a stored value a control cannot take
    InvalidPicture = 481,       // a picture file whose content cannot be shown
};

// The number as messages show it.
constexpr int number(LegacyError error)
{
    return static_cast<int>(error);
}

} // namespace base
