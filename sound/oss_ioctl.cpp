// The game binary's own ioctl. It is linked into the game alone, never into
// the library the tests share: an executable comes first in symbol lookup,
// so PLIB's calls reach this one before an OSS emulation preloaded into the
// game, whatever the order of LD_PRELOAD. It hands every request on with
// only its low 32 bits, which is all the kernel reads anyway.
#include <dlfcn.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <cstdarg>

#include "sound/oss_request.h"

namespace {

using IoctlFunction = int (*)(int, unsigned long, ...);

// The ioctl this one stands in front of: a preloaded emulation's, or libc's.
IoctlFunction NextIoctl() {
    static const IoctlFunction next =
        reinterpret_cast<IoctlFunction>(dlsym(RTLD_NEXT, "ioctl"));
    return next;
}

}  // namespace

// Every ioctl request takes at most one argument, an integer or a pointer,
// passed on as it came.
extern "C" int ioctl(int fd, unsigned long request, ...) noexcept {
    va_list args;
    va_start(args, request);
    void* argument = va_arg(args, void*);
    va_end(args);
    IoctlFunction next = NextIoctl();
    if (!next) {
        errno = ENOSYS;
        return -1;
    }
    return next(fd, KernelIoctlRequest(request), argument);
}
