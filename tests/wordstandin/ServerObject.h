#pragma once
// One Word object as the stand-in hands it out: IDispatch over its class's
// table, and IConnectionPointContainer when the class has events.
#include <map>
#include <memory>

#include "tests/wordstandin/ClassTable.h"
#include "tests/wordstandin/CountedObject.h"
#include "word/com/ComPtr.h"

namespace lorivex::test::standin {

// Makes the object with one reference for the caller; Nothing for nullptr.
ComValue Serve(word::DispatchPtr target, const ClassTable& table);
// An IEnumVARIANT over a Word enumerator, each item served with the table.
ComValue ServeEnumerator(std::unique_ptr<word::Enumerator> items, const ClassTable& itemTable);

} // namespace lorivex::test::standin
