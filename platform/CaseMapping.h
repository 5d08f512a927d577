#pragma once
// The platform's own case mapping of one UTF-16 unit, on which the portable
// case folding builds (posix/ and win32/ each define these).
namespace lorivex::platform {

char16_t PlatformUpperChar16(char16_t c);
char16_t PlatformLowerChar16(char16_t c);

} // namespace lorivex::platform
