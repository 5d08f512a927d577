#include "host/com/ComResult.h"

#include <new>
#include <string>

#include "base/Exception.h"

namespace lorivex::hostcom {

namespace {

void SetErrorText(const char* message)
{
    ICreateErrorInfo* create = nullptr;
    if (FAILED(CreateErrorInfo(&create)))
        return;
    std::wstring text = platform::win32::Widen(message);
    create->SetDescription(text.data());
    create->SetSource(const_cast<wchar_t*>(L"Lorivex.OfficeAddin"));
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
        SetErrorInfo(0, info);
        info->Release();
    }
    create->Release();
}

} // namespace

HRESULT ComResult(const std::function<void()>& body)
{
    try {
        body();
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const EAbort& failure) {
        SetErrorText(failure.what());
        return E_ABORT;
    } catch (const std::exception& failure) {
        SetErrorText(failure.what());
        return E_FAIL;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

} // namespace lorivex::hostcom
