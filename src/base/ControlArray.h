#pragma once

#include <array>
#include <cstddef>

namespace base {

// An original control array such as txtSelectSound(0..10) or Option4(0..2): indexed by the
// control's number as the original does, and by the enumerator that names that number
// (txtSelectSound[SoundSlot::Step] is txtSelectSound(7)), so that neither meaning is lost.
template <class T, std::size_t N, class Enum>
struct ControlArray : std::array<T, N>
{
    using std::array<T, N>::operator[];
    T &operator[](Enum e) { return std::array<T, N>::operator[](static_cast<std::size_t>(e)); }
    const T &operator[](Enum e) const { return std::array<T, N>::operator[](static_cast<std::size_t>(e)); }
};

} // namespace base
