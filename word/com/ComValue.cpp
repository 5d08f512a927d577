#include "word/com/ComValue.h"

#include <utility>

#include "services/word/Dispatch.h"

namespace lorivex::word::com {

BSTR AllocBstr(const std::u16string& text)
{
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
}

std::u16string FromBstr(BSTR text)
{
    if (!text)
        return {};
    return std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
}

ComValue::ComValue(long value) : ComValue()
{
    v_.vt = VT_I4;
    v_.lVal = value;
}

ComValue::ComValue(bool value) : ComValue()
{
    v_.vt = VT_BOOL;
    v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

ComValue::ComValue(double value) : ComValue()
{
    v_.vt = VT_R8;
    v_.dblVal = value;
}

ComValue::ComValue(const std::u16string& text) : ComValue()
{
    v_.vt = VT_BSTR;
    v_.bstrVal = AllocBstr(text);
}

ComValue::ComValue(IDispatch* object) : ComValue()
{
    v_.vt = VT_DISPATCH;
    v_.pdispVal = object;
    if (object)
        object->AddRef();
}

ComValue::ComValue(const ComValue& other) : ComValue()
{
    VariantCopy(&v_, const_cast<VARIANT*>(&other.v_));
}

ComValue::ComValue(ComValue&& other) noexcept : v_(other.v_)
{
    VariantInit(&other.v_);
}

ComValue& ComValue::operator=(ComValue other) noexcept
{
    std::swap(v_, other.v_);
    return *this;
}

ComValue ComValue::Adopt(VARIANT& owned)
{
    ComValue result;
    result.v_ = owned;
    VariantInit(&owned);
    return result;
}

VARIANT ComValue::Converted(VARTYPE type) const
{
    VARIANT result;
    VariantInit(&result);
    HRESULT hr = VariantChangeType(&result, const_cast<VARIANT*>(&v_), 0, type);
    if (FAILED(hr))
        throw EWordError("Word gave a value of type " + std::to_string(v_.vt) + " where one of type " +
                         std::to_string(type) + " was expected");
    return result;
}

std::u16string ComValue::Text() const
{
    if (IsEmpty())
        return {};
    VARIANT text = Converted(VT_BSTR);
    std::u16string result = FromBstr(text.bstrVal);
    VariantClear(&text);
    return result;
}

long ComValue::Long() const
{
    return Converted(VT_I4).lVal;
}

bool ComValue::Bool() const
{
    return Converted(VT_BOOL).boolVal != VARIANT_FALSE;
}

double ComValue::Double() const
{
    return Converted(VT_R8).dblVal;
}

ComPtr<IUnknown> ComValue::Unknown() const
{
    if (v_.vt == VT_DISPATCH || v_.vt == VT_UNKNOWN)
        return ComPtr<IUnknown>(v_.punkVal);
    if (IsEmpty())
        return {};
    throw EWordError("Word gave a value of type " + std::to_string(v_.vt) + " where an object was expected");
}

ComPtr<IDispatch> ComValue::Object() const
{
    if (v_.vt == VT_DISPATCH)
        return ComPtr<IDispatch>(v_.pdispVal);
    ComPtr<IUnknown> unknown = Unknown();
    if (!unknown)
        return {};
    ComPtr<IDispatch> object = unknown.As<IDispatch>();
    if (!object)
        throw EWordError("Word gave an object that cannot be automated");
    return object;
}

static platform::DateTime DateOf(double variantTime)
{
    SYSTEMTIME st{};
    VariantTimeToSystemTime(variantTime, &st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

static double VariantTimeOf(const platform::DateTime& date)
{
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(date.Year);
    st.wMonth = static_cast<WORD>(date.Month);
    st.wDay = static_cast<WORD>(date.Day);
    st.wHour = static_cast<WORD>(date.Hour);
    st.wMinute = static_cast<WORD>(date.Minute);
    st.wSecond = static_cast<WORD>(date.Second);
    double result = 0;
    SystemTimeToVariantTime(&st, &result);
    return result;
}

word::Variant ComValue::ToWord() const
{
    switch (v_.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return {};
    case VT_BSTR:
        return word::Variant::Text(Text());
    case VT_BOOL:
        return word::Variant::Boolean(Bool());
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_DECIMAL:
        return word::Variant::Float(Double());
    case VT_DATE:
        return word::Variant::Date(DateOf(v_.date));
    default:
        return word::Variant::Integer(Long());
    }
}

ComValue ComValue::FromWord(const word::Variant& value)
{
    using Kind = word::Variant::Kind;
    switch (value.kind) {
    case Kind::Text:
        return ComValue(value.text);
    case Kind::Integer:
        return ComValue(static_cast<long>(value.integer));
    case Kind::Float:
        return ComValue(value.number);
    case Kind::Boolean:
        return ComValue(value.boolean);
    case Kind::Date: {
        ComValue result;
        result.v_.vt = VT_DATE;
        result.v_.date = VariantTimeOf(value.date);
        return result;
    }
    case Kind::Empty:
        break;
    }
    return ComValue();
}

} // namespace lorivex::word::com
