#pragma once
// What keeps the server loaded: live COM objects it made and locks taken
// through IClassFactory::LockServer. DllCanUnloadNow answers from here.
namespace lorivex::hostcom {

void ServerObjectCreated();
void ServerObjectDestroyed();
void ServerLock(bool lock);
// No object alive and no lock held.
bool ServerCanUnload();

} // namespace lorivex::hostcom
