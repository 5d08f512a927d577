#include "host/LorivexServerInfo.h"

namespace lorivex {

THostServerInfo LorivexServerInfo()
{
    return {LorivexClsid, LorivexProgId, "OfficeAddin Object", LorivexTypeLibId, "1.0", "Apartment"};
}

} // namespace lorivex
