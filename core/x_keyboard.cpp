#include "core/x_keyboard.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <bitset>
#include <cstdio>
#include <deque>

#include "core/keys.h"
#include "support/clock.h"

namespace {
// GLUT hands over characters, not keys, and asks for no focus events, so the
// game keeps a connection of its own on which X sends it the same key events
// with their keys, and the focus events, all in the order they happened.
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

// The keys GLUT hands over as special keys, as it names them.
const struct {
    KeySym sym;
    int glutKey;
} kSpecialKeys[] = {
    {XK_F1, GLUT_KEY_F1},           {XK_F2, GLUT_KEY_F2},
    {XK_F3, GLUT_KEY_F3},           {XK_F4, GLUT_KEY_F4},
    {XK_F5, GLUT_KEY_F5},           {XK_F6, GLUT_KEY_F6},
    {XK_F7, GLUT_KEY_F7},           {XK_F8, GLUT_KEY_F8},
    {XK_F9, GLUT_KEY_F9},           {XK_F10, GLUT_KEY_F10},
    {XK_F11, GLUT_KEY_F11},         {XK_F12, GLUT_KEY_F12},
    {XK_Left, GLUT_KEY_LEFT},       {XK_KP_Left, GLUT_KEY_LEFT},
    {XK_Right, GLUT_KEY_RIGHT},     {XK_KP_Right, GLUT_KEY_RIGHT},
    {XK_Up, GLUT_KEY_UP},           {XK_KP_Up, GLUT_KEY_UP},
    {XK_Down, GLUT_KEY_DOWN},       {XK_KP_Down, GLUT_KEY_DOWN},
    {XK_Prior, GLUT_KEY_PAGE_UP},   {XK_KP_Prior, GLUT_KEY_PAGE_UP},
    {XK_Next, GLUT_KEY_PAGE_DOWN},  {XK_KP_Next, GLUT_KEY_PAGE_DOWN},
    {XK_Home, GLUT_KEY_HOME},       {XK_KP_Home, GLUT_KEY_HOME},
    {XK_End, GLUT_KEY_END},         {XK_KP_End, GLUT_KEY_END},
    {XK_Insert, GLUT_KEY_INSERT},   {XK_KP_Insert, GLUT_KEY_INSERT},
    {XK_Num_Lock, GLUT_KEY_NUM_LOCK}, {XK_KP_Begin, GLUT_KEY_BEGIN},
    {XK_KP_Delete, GLUT_KEY_DELETE}, {XK_Shift_L, GLUT_KEY_SHIFT_L},
    {XK_Shift_R, GLUT_KEY_SHIFT_R}, {XK_Control_L, GLUT_KEY_CTRL_L},
    {XK_Control_R, GLUT_KEY_CTRL_R}, {XK_Alt_L, GLUT_KEY_ALT_L},
    {XK_Alt_R, GLUT_KEY_ALT_R},     {XK_Meta_L, GLUT_KEY_SUPER_L},
    {XK_Super_L, GLUT_KEY_SUPER_L}, {XK_Meta_R, GLUT_KEY_SUPER_R},
    {XK_Super_R, GLUT_KEY_SUPER_R},
};

// What GLUT hands over for a key event (see keys.h), as it works it out:
// the first character X makes of it, or else its special key; -1 for
// neither, which GLUT drops.
int GlutKeyOf(XKeyEvent* event) {
    char c;
    KeySym sym;
    if (XLookupString(event, &c, 1, &sym, nullptr) == 1) return (unsigned char)c;
    for (const auto& s : kSpecialKeys)
        if (s.sym == sym) return kGlutSpecial + s.glutKey;
    return -1;
}

// What each key makes under every mix of modifiers, asked of X as GLUT asks
// for each key event, once for each keyboard mapping.
GlutKeys keyMakes[256];
std::bitset<256> keyMakesKnown;

const GlutKeys& WhatKeyMakes(unsigned keycode) {
    if (keyMakesKnown[keycode]) return keyMakes[keycode];
    XKeyEvent event = {};
    event.type = KeyPress;
    event.display = watch;
    event.keycode = keycode;
    keyMakes[keycode].reset();
    for (int group = 0; group < kGroupCount; ++group) {
        for (int mix = 0; mix < 1 << kModifierCount; ++mix) {
            unsigned mods = 0;
            for (int m = 0; m < kModifierCount; ++m)
                if (mix & 1 << m) mods |= kModifiers[m];
            event.state = XkbBuildCoreState(mods, group);
            int glutKey = GlutKeyOf(&event);
            if (glutKey >= 0) keyMakes[keycode].set(glutKey);
        }
    }
    keyMakesKnown.set(keycode);
    return keyMakes[keycode];
}

// A key event GLUT may hand over, or the window losing the keyboard.
struct Event {
    bool loss;
    bool press;
    XKeyEvent key;
    int glutKey;
    int idleLooks;  // idle steps that found it waiting
};
std::deque<Event> events;
// Only the game's own events come here, and every one goes within two idle
// steps; the bound holds for a program that never idles (a test).
const size_t kMostEvents = 256;

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

void ReadEvents() {
    while (XPending(watch)) {
        XEvent event;
        XNextEvent(watch, &event);
        if (event.type == MappingNotify) {
            XRefreshKeyboardMapping(&event.xmapping);
            keyMakesKnown.reset();
        }
        Event heard = {};
        if (event.type == KeyPress || event.type == KeyRelease) {
            heard.press = event.type == KeyPress;
            heard.key = event.xkey;
            heard.glutKey = GlutKeyOf(&event.xkey);
            if (heard.glutKey < 0) continue;
        } else if (TakesTheKeyboardAway(event)) {
            heard.loss = true;
        } else {
            continue;
        }
        if (events.size() == kMostEvents) events.pop_front();
        events.push_back(heard);
    }
}

// The first key event of that kind waiting, or -1.
int FindEvent(bool press, int glutKey) {
    for (size_t i = 0; i < events.size(); ++i)
        if (!events[i].loss && events[i].press == press && events[i].glutKey == glutKey) return int(i);
    return -1;
}

// The first character the key makes with no modifier, in the event's layout.
int CharacterAlone(XKeyEvent key) {
    key.state = XkbBuildCoreState(0, XkbGroupForCoreState(key.state));
    char c;
    return XLookupString(&key, &c, 1, nullptr, nullptr) == 1 ? (unsigned char)c : -1;
}

// GLUT reads its events before the game hears of them, and X sent this
// connection the same ones at the same time: the event is here, or is after
// a round trip. The events before it GLUT handed over already, or dropped
// (the repeats of a held key).
bool Hear(bool press, int glutKey, HeardKey* heard) {
    ReadEvents();
    int found = FindEvent(press, glutKey);
    if (found < 0) {
        XSync(watch, False);
        ReadEvents();
        found = FindEvent(press, glutKey);
    }
    if (found < 0) return false;
    for (int i = 0; i < found; ++i) heard->lostBefore = heard->lostBefore || events[i].loss;
    heard->alone = CharacterAlone(events[found].key);
    events.erase(events.begin(), events.begin() + found + 1);
    return true;
}

bool KeysDownMake(GlutKeys* made) {
    char keys[32];
    XQueryKeymap(watch, keys);
    made->reset();
    for (unsigned keycode = 8; keycode < 256; ++keycode)
        if (keys[keycode / 8] & 1 << keycode % 8) *made |= WhatKeyMakes(keycode);
    return true;
}

const KeyboardWord kXWord = {Hear, KeysDownMake};
}  // namespace

void WatchWindowKeyboard() {
    Display* game = glXGetCurrentDisplay();
    GLXDrawable window = glXGetCurrentDrawable();
    if (watch || !game || !window) return;
    watch = XOpenDisplay(DisplayString(game));
    if (!watch) {
        std::fprintf(stderr,
                     "pib3: X refuses a second connection to %s: a key pressed or let go under Shift, "
                     "Caps Lock or Num Lock counts as the character it makes, and one held as the window "
                     "loses the keyboard stays held until pressed again\n",
                     DisplayString(game));
        return;
    }
    XSelectInput(watch, window, KeyPressMask | KeyReleaseMask | FocusChangeMask | LeaveWindowMask);
    XFlush(watch);
    SetKeyboardWord(&kXWord);
}

void LetGoIfKeyboardLost() {
    if (!watch) return;
    int now = ElapsedMs();
    if (now - lastWatchMs < kWatchPeriodMs) return;
    lastWatchMs = now;
    ReadEvents();
    // A key event GLUT has had a whole pass over its events to hand over,
    // and has not, is one it dropped.
    for (Event& e : events) ++e.idleLooks;
    bool lost = false;
    while (!events.empty() && (events.front().loss || events.front().idleLooks > 1)) {
        lost = lost || events.front().loss;
        events.pop_front();
    }
    if (lost) ClearKeyStates();
}
