// PLIB hands its OSS device requests to ioctl through an int, so on a 64-bit
// system every request with its top bit set (most of them) arrives
// sign-extended: 0xffffffffc004500a for 0xc004500a. The kernel reads only
// the low 32 bits and accepts it; the OSS emulations that run in user space
// (PulseAudio's libpulsedsp, alsa-oss) compare the whole value and refuse it.
#pragma once

// The request as the kernel reads it: its low 32 bits.
constexpr unsigned long KernelIoctlRequest(unsigned long request) {
    return request & 0xffffffffUL;
}
