#include "platform/Guid.h"

#include <cstdio>
#include <random>
#include <sys/random.h>

#include "base/Exception.h"

namespace lorivex::platform {

std::string NewGuidString()
{
    unsigned char bytes[16];
    // The kernel's generator without a file to open: a compile names
    // thousands of topics.
    if (getrandom(bytes, sizeof bytes, 0) != ssize_t(sizeof bytes)) {
        // No kernel source of randomness: fall back to the library's device.
        std::random_device device;
        for (auto& b : bytes)
            b = static_cast<unsigned char>(device());
    }
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40); // version 4
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80); // RFC 4122 variant
    char text[39];
    std::snprintf(text, sizeof text,
                  "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  bytes[0], bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7],
                  bytes[8], bytes[9], bytes[10], bytes[11], bytes[12], bytes[13], bytes[14], bytes[15]);
    return text;
}

} // namespace lorivex::platform
