#include "render/values.h"

#include <cmath>
#include <cstdint>

#include "render/render_error.h"

namespace gridlet {

BasicType TypeNamed(std::string_view upperName) {
    struct Named {
        std::string_view name;
        BasicType type;
    };
    static constexpr Named kTypes[] = {
        {"LONG", BasicType::Long},           {"SINGLE", BasicType::Single},
        {"DOUBLE", BasicType::Double},       {"EXT", BasicType::Ext},
        {"EXTENDED", BasicType::Ext},        {"STRING", BasicType::String},
        {"POLYARRAY", BasicType::PolyArray},
    };
    for (const Named& named : kTypes) {
        if (named.name == upperName) return named.type;
    }
    throw RenderError("unknown type " + std::string(upperName));
}

BasicType TypeOfSuffix(std::string_view name) {
    if (name.ends_with("##")) return BasicType::Ext;
    if (name.ends_with("#")) return BasicType::Double;
    if (name.ends_with("$")) return BasicType::String;
    if (name.ends_with("&&") || name.ends_with("%"))
        throw RenderError("unsupported type of " + std::string(name));
    if (name.ends_with("&")) return BasicType::Long;
    return BasicType::Single;
}

long double NumberOf(const Value& value) {
    if (const auto* number = std::get_if<long double>(&value)) return *number;
    throw RenderError("a number is needed here");
}

const std::string& TextOf(const Value& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    throw RenderError("a string is needed here");
}

long LongOf(const Value& value) {
    const long double rounded = std::nearbyint(NumberOf(value));
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX))
        throw RenderError("number too large for LONG");
    return static_cast<long>(rounded);
}

float SingleOf(const Value& value) {
    return static_cast<float>(NumberOf(value));
}

Value Stored(BasicType type, const Value& value) {
    switch (type) {
        case BasicType::Long:
            return static_cast<long double>(LongOf(value));
        case BasicType::Single:
            return static_cast<long double>(SingleOf(value));
        case BasicType::Double:
            return static_cast<long double>(static_cast<double>(NumberOf(value)));
        case BasicType::Ext:
            return NumberOf(value);
        case BasicType::String:
            return TextOf(value);
        case BasicType::PolyArray:
            if (std::holds_alternative<PolyPoints>(value)) return value;
            throw RenderError("a PolyArray is needed here");
    }
    return value;
}

Value InitialValue(BasicType type) {
    switch (type) {
        case BasicType::String:
            return std::string();
        case BasicType::PolyArray:
            return PolyPoints{};
        default:
            return 0.0L;
    }
}

}  // namespace gridlet
