#include "core/x_keyboard.h"

#include <GL/glx.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "support/clock.h"

namespace {
// GLUT asks for no focus events and hands none over, so the game keeps a
// connection of its own to hear them on.
Display* watch = nullptr;

// The idle step asks thousands of times a second; a look at the socket costs
// a system call, so it is looked at only this often.
const int kWatchPeriodMs = 10;
int lastWatchMs = 0;

// The modifiers a character can depend on: Num Lock and AltGr sit on Mod2
// and Mod5 in the usual X set-ups.
const unsigned kModifiers[] = {ShiftMask, LockMask, ControlMask, Mod2Mask, Mod5Mask};
const int kModifierCount = sizeof kModifiers / sizeof kModifiers[0];
const int kGroupCount = 4;

// Asks X, as GLUT does for each key event, which character the key makes
// under each mix of modifiers.
void AddCharactersOfKey(unsigned keycode, std::bitset<256>* made) {
    XKeyEvent event = {};
    event.type = KeyPress;
    event.display = watch;
    event.keycode = keycode;
    for (int group = 0; group < kGroupCount; ++group) {
        for (int mix = 0; mix < 1 << kModifierCount; ++mix) {
            unsigned mods = 0;
            for (int m = 0; m < kModifierCount; ++m)
                if (mix & 1 << m) mods |= kModifiers[m];
            event.state = XkbBuildCoreState(mods, group);
            char c;
            if (XLookupString(&event, &c, 1, nullptr, nullptr) == 1) made->set((unsigned char)c);
        }
    }
}

// The keyboard may follow the pointer (no window manager gives it to a
// window, or one that lets it follow): then X sends no focus events as the
// pointer comes and goes, and the pointer leaving takes the keyboard along.
bool KeyboardFollowsPointer() {
    Window focus;
    int revertTo;
    XGetInputFocus(watch, &focus, &revertTo);
    return focus == PointerRoot;
}

// Focus or pointer passing into a window inside the game's is no loss.
bool TakesTheKeyboardAway(const XEvent& event) {
    if (event.type == FocusOut) return event.xfocus.detail != NotifyInferior;
    if (event.type != LeaveNotify) return false;
    const XCrossingEvent& leave = event.xcrossing;
    return leave.mode == NotifyNormal && leave.detail != NotifyInferior && leave.focus &&
           KeyboardFollowsPointer();
}
}  // namespace

void WatchWindowKeyboard() {
    Display* game = glXGetCurrentDisplay();
    GLXDrawable window = glXGetCurrentDrawable();
    if (watch || !game || !window) return;
    watch = XOpenDisplay(DisplayString(game));
    if (!watch) return;
    XSelectInput(watch, window, FocusChangeMask | LeaveWindowMask);
    XFlush(watch);
}

bool CharactersOfKeysDown(std::bitset<256>* made) {
    if (!watch) return false;
    char keys[32];
    XQueryKeymap(watch, keys);
    made->reset();
    for (unsigned keycode = 8; keycode < 256; ++keycode)
        if (keys[keycode / 8] & 1 << keycode % 8) AddCharactersOfKey(keycode, made);
    return true;
}

bool WindowLostKeyboard() {
    if (!watch) return false;
    int now = ElapsedMs();
    if (now - lastWatchMs < kWatchPeriodMs) return false;
    lastWatchMs = now;
    bool lost = false;
    while (XPending(watch)) {
        XEvent event;
        XNextEvent(watch, &event);
        lost = lost || TakesTheKeyboardAway(event);
        if (event.type == MappingNotify) XRefreshKeyboardMapping(&event.xmapping);
    }
    return lost;
}
