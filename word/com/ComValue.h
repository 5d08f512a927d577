#pragma once
// An owned automation VARIANT and its conversions to and from the values of
// the Word interface. Text is UTF-16 on both sides.
#include <string>

#include "platform/win32/Win32Api.h"

#include "services/word/Variant.h"
#include "word/com/ComPtr.h"

namespace lorivex::word::com {

class ComValue {
public:
    ComValue() { VariantInit(&v_); }
    ComValue(long value);
    ComValue(int value) : ComValue(static_cast<long>(value)) {}
    ComValue(bool value);
    ComValue(double value);
    ComValue(const std::u16string& text);
    ComValue(const char16_t* text) : ComValue(std::u16string(text)) {}
    ComValue(IDispatch* object); // shares the reference
    ComValue(const ComValue& other);
    ComValue(ComValue&& other) noexcept;
    ComValue& operator=(ComValue other) noexcept;
    ~ComValue() { VariantClear(&v_); }

    static ComValue FromWord(const word::Variant& value);
    // Takes over a VARIANT's content; the source is left empty.
    static ComValue Adopt(VARIANT& owned);

    bool IsEmpty() const { return v_.vt == VT_EMPTY || v_.vt == VT_NULL; }
    // Conversions as automation converts (VariantChangeType); they raise
    // EWordError naming what could not be converted.
    std::u16string Text() const;
    long Long() const;
    bool Bool() const;
    double Double() const;
    // nullptr for Nothing and for an empty variant.
    ComPtr<IDispatch> Object() const;
    ComPtr<IUnknown> Unknown() const;
    word::Variant ToWord() const;

    const VARIANT& Raw() const { return v_; }
    VARIANT* Receive() { VariantClear(&v_); return &v_; }
    // Hands the content over; this value is left empty.
    VARIANT Detach() { VARIANT content = v_; VariantInit(&v_); return content; }

private:
    VARIANT Converted(VARTYPE type) const;
    VARIANT v_;
};

// A BSTR from UTF-16 text and back.
BSTR AllocBstr(const std::u16string& text);
std::u16string FromBstr(BSTR text);

} // namespace lorivex::word::com
