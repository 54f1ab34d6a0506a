// The published-property table through which the XML store reads and writes an object's persistent state.
// A class lists its properties in declaration order in a static table that names its base class's table,
// and returns that table from PublishedProperties():
//
//   constexpr TPublishedProperty kConfigProperties[] = {Published<&TConfig::SelectColor>("SelectColor"),
//   ...}; const TPropertyTable TConfig::Properties(&TSrzClass::Properties, kConfigProperties);
//
// The kind follows from the C++ type of the value: 8/16/32-bit integers are whole numbers, char, wchar_t
// and char16_t characters, bool and enums enumerations (give enums a fixed underlying type), std::bitset<=32
// sets, floating types floats, std::string (Windows-1251) and std::wstring texts; anything else is kept
// in the table but never written or assigned.
#pragma once
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include "runtime/cp1251.h"

namespace zvk {

class TSrzClass;

enum class TPropKind { Integer, Char, Enumeration, Set, Float, String, Unhandled };

// Ordinal kinds are read and written as one signed 32-bit ordinal.
constexpr bool IsOrdinalKind(TPropKind kind) {
    return kind == TPropKind::Integer || kind == TPropKind::Char || kind == TPropKind::Enumeration ||
           kind == TPropKind::Set;
}

// One property: its name, its kind, and the reader and writer that fit the kind (the others are null).
struct TPublishedProperty {
    const char* Name;
    TPropKind Kind;
    int32_t (*GetOrdinal)(const TSrzClass&);
    void (*SetOrdinal)(TSrzClass&, int32_t);
    double (*GetFloat)(const TSrzClass&);
    void (*SetFloat)(TSrzClass&, double);
    std::wstring (*GetText)(const TSrzClass&);
    void (*SetText)(TSrzClass&, const std::wstring&);
};

// The properties a class declares itself, after those of its base class.
struct TPropertyTable {
    const TPropertyTable* Base;
    const TPublishedProperty* Items;
    std::size_t Count;

    constexpr TPropertyTable() : Base(nullptr), Items(nullptr), Count(0) {}
    template <std::size_t N>
    constexpr TPropertyTable(const TPropertyTable* base, const TPublishedProperty (&items)[N])
        : Base(base), Items(items), Count(N) {}
};

// Visits every property in enumeration order: the base class's first, then each in declaration order.
template <class Visit> void ForEachProperty(const TPropertyTable& table, Visit&& visit) {
    if (table.Base != nullptr)
        ForEachProperty(*table.Base, visit);
    for (std::size_t i = 0; i < table.Count; ++i)
        visit(table.Items[i]);
}

// The first property in enumeration order whose name equals `name`, ASCII letters compared without case.
const TPublishedProperty* FindProperty(const TPropertyTable& table, std::wstring_view name);

namespace property_detail {

template <class M> struct MemberOf;
template <class C, class M> struct MemberOf<M C::*> { using Class = C; };

template <class T> struct IsBitset : std::false_type {};
template <std::size_t N> struct IsBitset<std::bitset<N>> : std::bool_constant<(N <= 32)> {};

template <class T> constexpr TPropKind KindOf() {
    if constexpr (std::is_same_v<T, bool> || std::is_enum_v<T>)
        return TPropKind::Enumeration;
    else if constexpr (std::is_same_v<T, char> || std::is_same_v<T, wchar_t> || std::is_same_v<T, char16_t>)
        return TPropKind::Char;
    else if constexpr (std::is_integral_v<T> && sizeof(T) <= 4)
        return TPropKind::Integer;
    else if constexpr (IsBitset<T>::value)
        return TPropKind::Set;
    else if constexpr (std::is_floating_point_v<T>)
        return TPropKind::Float;
    else if constexpr (std::is_same_v<T, std::string> || std::is_same_v<T, std::wstring>)
        return TPropKind::String;
    else
        return TPropKind::Unhandled;
}

template <class T> int32_t ToOrdinal(const T& value) {
    if constexpr (std::is_same_v<T, bool>)
        return value ? 1 : 0;
    else if constexpr (std::is_enum_v<T>)
        return static_cast<int32_t>(static_cast<std::underlying_type_t<T>>(value));
    else if constexpr (std::is_same_v<T, char>)
        return static_cast<unsigned char>(value); // the character code, 0..255
    else if constexpr (std::is_same_v<T, wchar_t> || std::is_same_v<T, char16_t>)
        return static_cast<uint16_t>(value);
    else if constexpr (IsBitset<T>::value)
        return static_cast<int32_t>(static_cast<uint32_t>(value.to_ulong()));
    else
        return static_cast<int32_t>(value);
}

// The low bits that fit the type, as the ordinal is stored in a value of that size.
template <class T> T FromOrdinal(int32_t ordinal) {
    const auto bits = static_cast<uint32_t>(ordinal);
    if constexpr (std::is_same_v<T, bool>)
        return static_cast<uint8_t>(bits) != 0; // the low byte, as a one-byte Boolean holds it: 256 is false
    else if constexpr (std::is_enum_v<T>)
        return static_cast<T>(static_cast<std::make_unsigned_t<std::underlying_type_t<T>>>(bits));
    else if constexpr (std::is_same_v<T, char>)
        return static_cast<char>(static_cast<unsigned char>(bits));
    else if constexpr (std::is_same_v<T, wchar_t> || std::is_same_v<T, char16_t>)
        return static_cast<T>(static_cast<uint16_t>(bits));
    else if constexpr (IsBitset<T>::value)
        return T(static_cast<unsigned long>(bits));
    else
        return static_cast<T>(static_cast<std::make_unsigned_t<T>>(bits));
}

// Narrower floating types take infinity for values beyond their range rather than an undefined conversion.
template <class T> T FromDouble(double value) {
    if constexpr (sizeof(T) < sizeof(double)) {
        if (value > static_cast<double>(std::numeric_limits<T>::max()))
            return std::numeric_limits<T>::infinity();
        if (value < static_cast<double>(std::numeric_limits<T>::lowest()))
            return -std::numeric_limits<T>::infinity();
    }
    return static_cast<T>(value);
}

template <class T> std::wstring ToText(const T& value) {
    if constexpr (std::is_same_v<T, std::wstring>)
        return value;
    else
        return WideFromCp1251(value);
}

template <class T> T FromText(const std::wstring& text) {
    if constexpr (std::is_same_v<T, std::wstring>)
        return text;
    else
        return Cp1251FromWide(text);
}

} // namespace property_detail

// A table entry. Get is a data member or a const getter; Set is a data member (the default: the same as
// Get) or a setter taking the value.
template <auto Get, auto Set = Get> constexpr TPublishedProperty Published(const char* name) {
    using C = typename property_detail::MemberOf<decltype(Get)>::Class;
    using T = std::decay_t<std::invoke_result_t<decltype(Get), const C&>>;
    constexpr TPropKind kind = property_detail::KindOf<T>();

    struct Access {
        static T Read(const TSrzClass& object) { return std::invoke(Get, static_cast<const C&>(object)); }
        static void Write(TSrzClass& object, T value) {
            if constexpr (std::is_member_object_pointer_v<decltype(Set)>)
                std::invoke(Set, static_cast<C&>(object)) = std::move(value);
            else
                std::invoke(Set, static_cast<C&>(object), std::move(value));
        }
    };

    TPublishedProperty property{name, kind, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
    if constexpr (IsOrdinalKind(kind)) {
        property.GetOrdinal = [](const TSrzClass& o) { return property_detail::ToOrdinal(Access::Read(o)); };
        property.SetOrdinal = [](TSrzClass& o, int32_t v) {
            Access::Write(o, property_detail::FromOrdinal<T>(v));
        };
    } else if constexpr (kind == TPropKind::Float) {
        property.GetFloat = [](const TSrzClass& o) { return static_cast<double>(Access::Read(o)); };
        property.SetFloat = [](TSrzClass& o, double v) {
            Access::Write(o, property_detail::FromDouble<T>(v));
        };
    } else if constexpr (kind == TPropKind::String) {
        property.GetText = [](const TSrzClass& o) { return property_detail::ToText(Access::Read(o)); };
        property.SetText = [](TSrzClass& o, const std::wstring& v) {
            Access::Write(o, property_detail::FromText<T>(v));
        };
    }
    return property;
}

} // namespace zvk
