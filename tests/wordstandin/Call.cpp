#include "tests/wordstandin/Call.h"

namespace lorivex::test::standin {

// A left-out optional argument passed positionally, as callers that cannot
// skip a position do.
static bool IsMissing(const VARIANT& v)
{
    return v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND;
}

static ComValue CopyOf(const VARIANT& v)
{
    ComValue copy;
    VariantCopyInd(copy.Receive(), const_cast<VARIANT*>(&v));
    return copy;
}

Call::Call(const DISPPARAMS& params, std::size_t parameterCount, bool put)
{
    args_.resize(parameterCount);
    UINT named = params.cNamedArgs;
    UINT first = 0;
    if (put) {
        if (named == 0 || params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            throw CallFault{DISP_E_PARAMNOTOPTIONAL};
        value_ = CopyOf(params.rgvarg[0]);
        first = 1;
    }
    for (UINT i = first; i < named; ++i) {
        DISPID id = params.rgdispidNamedArgs[i];
        if (id < 0 || static_cast<std::size_t>(id) >= parameterCount)
            throw CallFault{DISP_E_PARAMNOTFOUND};
        args_[id] = std::make_unique<ComValue>(CopyOf(params.rgvarg[i]));
    }
    const UINT positional = params.cArgs - named;
    if (positional > parameterCount)
        throw CallFault{DISP_E_BADPARAMCOUNT};
    for (UINT p = 0; p < positional; ++p) {
        const VARIANT& arg = params.rgvarg[params.cArgs - 1 - p];
        if (!IsMissing(arg))
            args_[p] = std::make_unique<ComValue>(CopyOf(arg));
    }
}

bool Call::Has(std::size_t index) const
{
    return index < args_.size() && args_[index];
}

const ComValue& Call::Arg(std::size_t index) const
{
    if (!Has(index))
        throw CallFault{DISP_E_PARAMNOTOPTIONAL};
    return *args_[index];
}

word::DispatchPtr Call::ObjectArg(std::size_t index) const
{
    auto object = Arg(index).Unknown();
    word::DispatchPtr target = object ? TargetOf(object.Get()) : nullptr;
    if (!target)
        throw CallFault{DISP_E_TYPEMISMATCH};
    return target;
}

} // namespace lorivex::test::standin
