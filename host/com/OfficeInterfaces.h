#pragma once
// Office's add-in interfaces, which MinGW's headers do not have, declared
// as Office publishes them (enumerations passed as int), and the
// identifiers of the class Lorivex.dll serves and its type library.
#include "platform/win32/Win32Api.h"

namespace lorivex::hostcom {

// {DEE72A43-7E7E-42B8-A8E1-58E0A2ED9124}
inline constexpr CLSID CLSID_OfficeAddin = {
    0xDEE72A43, 0x7E7E, 0x42B8, {0xA8, 0xE1, 0x58, 0xE0, 0xA2, 0xED, 0x91, 0x24}};
// {1C83EA75-034A-43DD-A262-52F9735BE044}
inline constexpr IID IID_IOfficeAddin = {
    0x1C83EA75, 0x034A, 0x43DD, {0xA2, 0x62, 0x52, 0xF9, 0x73, 0x5B, 0xE0, 0x44}};
// {0F0AAF11-3581-46DA-8815-0E5BA6AE52F5}
inline constexpr GUID LIBID_Lorivex = {
    0x0F0AAF11, 0x3581, 0x46DA, {0x88, 0x15, 0x0E, 0x5B, 0xA6, 0xAE, 0x52, 0xF5}};
inline constexpr WORD LorivexTypeLibMajor = 1, LorivexTypeLibMinor = 0;
inline constexpr LCID LorivexTypeLibLocale = 0x0409;

} // namespace lorivex::hostcom

// Connection and start-up notifications from an Office application.
struct IDTExtensibility2 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, int ConnectMode, IDispatch* AddInInst,
                                                   SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnDisconnection(int RemoveMode, SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) = 0;
};
__CRT_UUID_DECL(IDTExtensibility2, 0xB65AD801, 0xABAF, 0x11D0, 0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44)

// The ribbon markup request of Office 2007 and later.
struct IRibbonExtensibility : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) = 0;
};
__CRT_UUID_DECL(IRibbonExtensibility, 0x000C0396, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46)
