#pragma once
// One call of a stand-in member: the arguments by parameter position,
// whether given positionally or by name; a left-out optional argument is
// absent.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/Win32Api.h"
#include "services/word/Dispatch.h"
#include "word/com/ComValue.h"

namespace lorivex::test::standin {

using word::com::ComValue;

// Raised by a handler to answer with that HRESULT instead of Word's error.
struct CallFault {
    HRESULT hr;
};

class Call {
public:
    // Raises CallFault for an argument name that is no parameter's, or for
    // more positional arguments than parameters.
    Call(const DISPPARAMS& params, std::size_t parameterCount, bool put);

    // The object called.
    const word::DispatchPtr& Self() const { return self_; }
    void SetSelf(word::DispatchPtr self) { self_ = std::move(self); }

    bool Has(std::size_t index) const;
    // Raises CallFault(DISP_E_PARAMNOTOPTIONAL) when absent.
    const ComValue& Arg(std::size_t index) const;
    // The value a property put assigns.
    const ComValue& Value() const { return value_; }
    // The Word object behind an argument that the stand-in handed out.
    word::DispatchPtr ObjectArg(std::size_t index) const;
    template <class T>
    std::shared_ptr<T> Object(std::size_t index) const
    {
        auto object = std::dynamic_pointer_cast<T>(ObjectArg(index));
        if (!object)
            throw CallFault{DISP_E_TYPEMISMATCH};
        return object;
    }

    std::u16string Text(std::size_t index) const { return Arg(index).Text(); }
    long Long(std::size_t index) const { return Arg(index).Long(); }
    bool Bool(std::size_t index) const { return Arg(index).Bool(); }
    std::u16string TextOr(std::size_t index, std::u16string fallback) const
    {
        return Has(index) ? Text(index) : fallback;
    }
    long LongOr(std::size_t index, long fallback) const { return Has(index) ? Long(index) : fallback; }
    bool BoolOr(std::size_t index, bool fallback) const { return Has(index) ? Bool(index) : fallback; }

private:
    std::vector<std::unique_ptr<ComValue>> args_;
    ComValue value_;
    word::DispatchPtr self_;
};

// The Word object a stand-in object exposes, for an IDispatch it handed out;
// nullptr for one it did not.
word::DispatchPtr TargetOf(IUnknown* object);

} // namespace lorivex::test::standin
