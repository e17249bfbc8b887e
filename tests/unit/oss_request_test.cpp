// The correction of PLIB's OSS device requests: each request PLIB makes (as
// traced through PulseAudio's OSS emulation: the device set-up, the
// buffer query of every update, the mixer's probe and master volume) must
// reach the emulation as the kernel's 32-bit value, however PLIB widened it.
#include <gtest/gtest.h>
#include <sys/soundcard.h>

#include "sound/oss_request.h"

namespace {

struct OssRequest {
    const char* name;
    unsigned long header;  // <sys/soundcard.h>
    unsigned long kernel;  // the kernel's 32-bit request number
};

const OssRequest kPlibRequests[] = {
    {"SNDCTL_DSP_SETFRAGMENT", SNDCTL_DSP_SETFRAGMENT, 0xc004500aUL},
    {"SNDCTL_DSP_SETFMT", SNDCTL_DSP_SETFMT, 0xc0045005UL},
    {"SNDCTL_DSP_CHANNELS", SNDCTL_DSP_CHANNELS, 0xc0045006UL},
    {"SNDCTL_DSP_SPEED", SNDCTL_DSP_SPEED, 0xc0045002UL},
    {"SNDCTL_DSP_GETOSPACE", SNDCTL_DSP_GETOSPACE, 0x8010500cUL},
    {"SOUND_MIXER_READ_DEVMASK", SOUND_MIXER_READ_DEVMASK, 0x80044dfeUL},
    {"SOUND_MIXER_WRITE_VOLUME", SOUND_MIXER_WRITE_VOLUME, 0xc0044d00UL},
    {"SNDCTL_DSP_SYNC", SNDCTL_DSP_SYNC, 0x00005001UL},  // top bit clear
};

// What ioctl receives when the request went through an int on its way, as
// PLIB's device wrapper passes it: sign-extended to 64 bits.
unsigned long ThroughInt(unsigned long request) {
    return static_cast<unsigned long>(static_cast<int>(request));
}

TEST(OssRequest, PlibsRequestsReachTheEmulationAsTheKernelReadsThem) {
    for (const OssRequest& r : kPlibRequests) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(KernelIoctlRequest(ThroughInt(r.header)), r.kernel);
        EXPECT_EQ(KernelIoctlRequest(r.header), r.kernel);
    }
}

}  // namespace
