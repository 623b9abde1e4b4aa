// Where a declared attribute's value goes in its element, and how it reads back. A
// declaration row names its member, so the row is the only reader of the attribute:
//   {"height", AttributeSyntax::kInteger, "0", 0, nullptr, "font height", Into<&CTextControl::fontHeight_>()}
// Into<&C::member_>   one member, parsed by its type: std::string (as written), bool (flag),
//                     int (integer), uint32_t (colour), std::vector<std::string> (list),
//                     an enum (its word's place in the row's choices, 1 for the first; 0
//                     for a word not listed)
// IntoPair<&C::x_, &C::y_>  "x,y" into two ints
// Via<&C::SetX, &C::X>      a setter taking the text as written, and a getter giving it back
#pragma once
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "ui/core/AttributeValue.h"

namespace KRUI {

class CObjectx;
struct AttributeDeclaration;

struct AttributeBinding {
  // value is the attribute as written, already cut to the row's limit.
  void (*store)(CObjectx& element, const AttributeDeclaration& attribute, const std::string& value) = nullptr;
  // The value the element holds, written back in the attribute's own syntax.
  std::string (*show)(const CObjectx& element, const AttributeDeclaration& attribute) = nullptr;
};

// The conversions of each member type, in AttributeValue.cpp.
void ParseInto(const AttributeDeclaration& attribute, const std::string& value, std::string& out);
void ParseInto(const AttributeDeclaration& attribute, const std::string& value, bool& out);
void ParseInto(const AttributeDeclaration& attribute, const std::string& value, int& out);
void ParseInto(const AttributeDeclaration& attribute, const std::string& value, uint32_t& out);
void ParseInto(const AttributeDeclaration& attribute, const std::string& value, std::vector<std::string>& out);
std::string ShowValue(const std::string& value);
std::string ShowValue(bool value);
std::string ShowValue(int value);
std::string ShowValue(uint32_t argb);
std::string ShowValue(const std::vector<std::string>& items);
// The place of word among the row's choices (1 for the first), 0 when not listed.
int ChoiceIndex(const AttributeDeclaration& attribute, const std::string& word);
// The word at place index, or "" for 0 or a place past the last.
std::string ChoiceWord(const AttributeDeclaration& attribute, int index);

template <typename>
struct MemberPointerTraits;
template <typename C, typename T>
struct MemberPointerTraits<T C::*> {
  using Class = C;
  using Type = T;
};

template <auto Member>
AttributeBinding Into() {
  using Traits = MemberPointerTraits<decltype(Member)>;
  using C = typename Traits::Class;
  using T = typename Traits::Type;
  AttributeBinding binding;
  binding.store = [](CObjectx& element, const AttributeDeclaration& attribute, const std::string& value) {
    T& out = static_cast<C&>(element).*Member;
    if constexpr (std::is_enum_v<T>) {
      out = static_cast<T>(ChoiceIndex(attribute, value));
    } else {
      ParseInto(attribute, value, out);
    }
  };
  binding.show = [](const CObjectx& element, const AttributeDeclaration& attribute) {
    const T& held = static_cast<const C&>(element).*Member;
    if constexpr (std::is_enum_v<T>) {
      return ChoiceWord(attribute, static_cast<int>(held));
    } else {
      (void)attribute;
      return ShowValue(held);
    }
  };
  return binding;
}

template <auto First, auto Second>
AttributeBinding IntoPair() {
  using C = typename MemberPointerTraits<decltype(First)>::Class;
  AttributeBinding binding;
  binding.store = [](CObjectx& element, const AttributeDeclaration&, const std::string& value) {
    C& object = static_cast<C&>(element);
    ParsePair(value, object.*First, object.*Second);  // fewer than two numbers leave both
  };
  binding.show = [](const CObjectx& element, const AttributeDeclaration&) {
    const C& object = static_cast<const C&>(element);
    return std::to_string(object.*First) + "," + std::to_string(object.*Second);
  };
  return binding;
}

template <typename>
struct SetterTraits;
template <typename C, typename R>
struct SetterTraits<R (C::*)(const std::string&)> {
  using Class = C;
};

template <auto Setter, auto Getter>
AttributeBinding Via() {
  using C = typename SetterTraits<decltype(Setter)>::Class;
  AttributeBinding binding;
  binding.store = [](CObjectx& element, const AttributeDeclaration&, const std::string& value) {
    (static_cast<C&>(element).*Setter)(value);
  };
  binding.show = [](const CObjectx& element, const AttributeDeclaration&) {
    return std::string((static_cast<const C&>(element).*Getter)());
  };
  return binding;
}

}  // namespace KRUI
