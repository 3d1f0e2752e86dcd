// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into a measured program (LD_PRELOAD): notes the moment its first window-sized picture
// reaches the X server, the first frame a player sees. It watches the three ways a Qt program
// hands a picture to the server and the flush that sends it.
//   MIRVALON_FIRST_FRAME_FD    a pipe: the moment (steady clock, ns) is written there once
//   MIRVALON_FIRST_FRAME_EXIT  set: the program ends right after, so that an instruction count
//                              stops at the first frame
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <unistd.h>

namespace {

// Smaller pictures are the window's icon, cursors and the like.
constexpr int kFrameSide = 200;
bool drawn = false;
bool told = false;

// The X libraries are loaded with the platform plugin, so they are looked up by name.
void* symbolOf(const char* library, const char* name)
{
    void* handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
    if (!handle)
        handle = dlopen(library, RTLD_LAZY);
    return handle ? dlsym(handle, name) : nullptr;
}

void note(int width, int height)
{
    if (width > kFrameSide && height > kFrameSide)
        drawn = true;
}

void tell()
{
    told = true;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const int64_t ns = int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
    if (const char* fd = std::getenv("MIRVALON_FIRST_FRAME_FD")) {
        [[maybe_unused]] const auto written = write(std::atoi(fd), &ns, sizeof ns);
    }
    if (std::getenv("MIRVALON_FIRST_FRAME_EXIT"))
        _exit(0);
}

using Cookie = unsigned int; // xcb_void_cookie_t: one sequence number

} // namespace

extern "C" {

Cookie xcb_put_image(void* c, uint8_t format, uint32_t drawable, uint32_t gc, uint16_t width,
                     uint16_t height, int16_t x, int16_t y, uint8_t pad, uint8_t depth,
                     uint32_t length, const uint8_t* data)
{
    using Real = Cookie (*)(void*, uint8_t, uint32_t, uint32_t, uint16_t, uint16_t, int16_t,
                            int16_t, uint8_t, uint8_t, uint32_t, const uint8_t*);
    static const auto real = reinterpret_cast<Real>(symbolOf("libxcb.so.1", "xcb_put_image"));
    note(width, height);
    return real(c, format, drawable, gc, width, height, x, y, pad, depth, length, data);
}

Cookie xcb_shm_put_image(void* c, uint32_t drawable, uint32_t gc, uint16_t totalWidth,
                         uint16_t totalHeight, uint16_t srcX, uint16_t srcY, uint16_t width,
                         uint16_t height, int16_t dstX, int16_t dstY, uint8_t depth, uint8_t format,
                         uint8_t sendEvent, uint32_t segment, uint32_t offset)
{
    using Real =
        Cookie (*)(void*, uint32_t, uint32_t, uint16_t, uint16_t, uint16_t, uint16_t, uint16_t,
                   uint16_t, int16_t, int16_t, uint8_t, uint8_t, uint8_t, uint32_t, uint32_t);
    static const auto real =
        reinterpret_cast<Real>(symbolOf("libxcb-shm.so.0", "xcb_shm_put_image"));
    note(width, height);
    return real(c, drawable, gc, totalWidth, totalHeight, srcX, srcY, width, height, dstX, dstY,
                depth, format, sendEvent, segment, offset);
}

Cookie xcb_copy_area(void* c, uint32_t src, uint32_t dst, uint32_t gc, int16_t srcX, int16_t srcY,
                     int16_t dstX, int16_t dstY, uint16_t width, uint16_t height)
{
    using Real = Cookie (*)(void*, uint32_t, uint32_t, uint32_t, int16_t, int16_t, int16_t, int16_t,
                            uint16_t, uint16_t);
    static const auto real = reinterpret_cast<Real>(symbolOf("libxcb.so.1", "xcb_copy_area"));
    note(width, height);
    return real(c, src, dst, gc, srcX, srcY, dstX, dstY, width, height);
}

int xcb_flush(void* c)
{
    using Real = int (*)(void*);
    static const auto real = reinterpret_cast<Real>(symbolOf("libxcb.so.1", "xcb_flush"));
    const int result = real(c);
    if (drawn && !told)
        tell();
    return result;
}

} // extern "C"
