#include "core/x_keyboard.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <cstdio>

#include "core/keys.h"

namespace {
// GLUT hands over characters, not keys, asks for no focus events and drops
// the releases of characters it cannot spell, so the game keeps a connection
// of its own on which X sends the key events with their keys, and the focus
// and pointer crossings, all in the order they happened.
Display* watch = nullptr;
// X's keyboard extension tells of a new mapping in events of its own.
int keyboardEvents = -1;
Window window = None;  // the game's
bool pointerInside = false;
bool reaches = false;  // the keyboard reaches the window

// The keyboard's mapping, a copy of the game's own fetched again at the
// first press after X says it changed (a layout switched or loaded), with
// what it makes of its groups.
struct Mapping {
    XkbDescPtr keys = nullptr;
    bool stale = true;
    unsigned numLock = 0;
    // The group whose characters a key counts as, for each group it is in:
    // itself, or the first group whose letters are Latin where its own are
    // not, so a Cyrillic group plays as the Latin one beside it.
    int groupRead[XkbNumKbdGroups] = {};
};
Mapping mapping;

KeySym FirstLevelSym(int key, int group) {
    if (group >= XkbKeyNumGroups(mapping.keys, key)) return NoSymbol;
    return XkbKeySymEntry(mapping.keys, key, 0, group);
}

bool GroupHasLatinLetters(int group) {
    for (int key = mapping.keys->min_key_code; key <= mapping.keys->max_key_code; ++key) {
        KeySym sym = FirstLevelSym(key, group);
        if (sym >= XK_a && sym <= XK_z) return true;
    }
    return false;
}

unsigned NumLockModifier() {
    for (int key = mapping.keys->min_key_code; key <= mapping.keys->max_key_code; ++key)
        for (int i = 0; i < XkbKeyNumSyms(mapping.keys, key); ++i)
            if (XkbKeySymsPtr(mapping.keys, key)[i] == XK_Num_Lock) return mapping.keys->map->modmap[key];
    return 0;
}

void LearnMapping() {
    if (mapping.keys) XkbFreeKeyboard(mapping.keys, 0, True);
    mapping.keys = XkbGetMap(watch, XkbKeyTypesMask | XkbKeySymsMask | XkbModifierMapMask, XkbUseCoreKbd);
    mapping.stale = false;
    mapping.numLock = NumLockModifier();
    int latin = -1;
    bool isLatin[XkbNumKbdGroups];
    for (int g = 0; g < XkbNumKbdGroups; ++g) {
        isLatin[g] = GroupHasLatinLetters(g);
        if (isLatin[g] && latin < 0) latin = g;
    }
    for (int g = 0; g < XkbNumKbdGroups; ++g) mapping.groupRead[g] = isLatin[g] || latin < 0 ? g : latin;
}

KeySym SymOf(unsigned key, unsigned modifiers, int group) {
    KeySym sym = NoSymbol;
    unsigned used;
    XkbTranslateKeyCode(mapping.keys, KeyCode(key), XkbBuildCoreState(modifiers, group), &used, &sym);
    return sym;
}

// The keys GLUT hands over as the special keys the game reads.
const struct {
    KeySym sym;
    int slot;
} kSpecialSlots[] = {
    {XK_Up, kKeyUp},       {XK_KP_Up, kKeyUp},       {XK_Down, kKeyDown}, {XK_KP_Down, kKeyDown},
    {XK_Left, kKeyLeft},   {XK_KP_Left, kKeyLeft},   {XK_Right, kKeyRight}, {XK_KP_Right, kKeyRight},
    {XK_F1, kKeyF1},
};

// The slot a symbol sets, as GLUT would hand it over with no Ctrl held: a
// Latin-1 character, the character X gives the keys it names in its own
// range (Backspace, Return, Escape, the keypad's), or a special key; -1 none.
int SlotOf(KeySym sym) {
    if ((sym >= 0x20 && sym <= 0x7e) || (sym >= 0xa0 && sym <= 0xff)) return int(sym);
    if (sym == XK_KP_Space) return ' ';
    if ((sym >= XK_BackSpace && sym <= XK_Clear) || sym == XK_Return || sym == XK_Escape || sym == XK_KP_Enter ||
        (sym >= XK_KP_Multiply && sym <= XK_KP_9) || sym == XK_KP_Equal || sym == XK_Delete)
        return int(sym & 0x7f);
    for (const auto& s : kSpecialSlots)
        if (s.sym == sym) return s.slot;
    return -1;
}

// A key counts as the control it is alone, whatever Shift, Caps Lock or
// AltGr do to it, unless what it makes under them is a control itself (the
// French digits come with Shift, the German "/" is Shift+7). Ctrl changes
// nothing: Ctrl+3 is 3, not the Escape code X makes of it. The keypad goes
// by Num Lock alone: its digits with it on, its arrows with it off, whoever
// holds Shift.
int SlotOfPress(const XKeyEvent& press) {
    if (mapping.stale) LearnMapping();
    if (!mapping.keys) return -1;
    int group = mapping.groupRead[XkbGroupForCoreState(press.state)];
    unsigned modifiers = press.state & 0xff;
    KeySym alone = SymOf(press.keycode, modifiers & mapping.numLock, group);
    if (IsKeypadKey(alone)) return SlotOf(alone);
    int made = SlotOf(SymOf(press.keycode, modifiers & ~ControlMask, group));
    if (IsControl(made)) return made;
    int slot = SlotOf(alone);
    return slot >= 0 ? slot : made;
}

// Whether `inner` is `outer` or lies inside it. A window X has destroyed
// since it was named lies inside nothing.
bool IsWithin(Window inner, Window outer) {
    for (Window w = inner; w != None;) {
        if (w == outer) return true;
        Window root, parent, *children = nullptr;
        unsigned count;
        if (!XQueryTree(watch, w, &root, &parent, &children, &count)) return false;
        if (children) XFree(children);
        w = parent;
    }
    return false;
}

// The questions asked of windows that may go at any moment, whose errors are
// answers here and must not end the game as X's default handler would.
XErrorHandler othersHandler = nullptr;
int IgnoreWatchErrors(Display* display, XErrorEvent* error) {
    return display == watch ? 0 : othersHandler(display, error);
}
struct WatchErrorsIgnored {
    WatchErrorsIgnored() { othersHandler = XSetErrorHandler(IgnoreWatchErrors); }
    ~WatchErrorsIgnored() {
        XSync(watch, False);
        XSetErrorHandler(othersHandler);
    }
};

// The keyboard reaches the window when the focus is on it (or inside it), or
// when the focus lets the keyboard follow the pointer (PointerRoot, or a
// window that holds the game's, as the root window does when X puts the focus
// there itself) and the pointer is in the window.
bool KeyboardReachesWindow() {
    WatchErrorsIgnored quiet;
    Window focus;
    int revertTo;
    XGetInputFocus(watch, &focus, &revertTo);
    if (focus == None) return false;
    if (focus != PointerRoot && IsWithin(focus, window)) return true;
    return (focus == PointerRoot || IsWithin(window, focus)) && pointerInside;
}

// Whether the pointer is in the window now, for the start; from then on the
// crossings tell it.
bool PointerIsInWindow() {
    WatchErrorsIgnored quiet;
    Window w = DefaultRootWindow(watch), root, child;
    int rootX, rootY, x, y;
    unsigned mask;
    while (w != window && XQueryPointer(watch, w, &root, &child, &rootX, &rootY, &x, &y, &mask) && child != None)
        w = child;
    return w == window;
}

// Worked out again at every change of focus and crossing of the pointer: as
// the keyboard goes, every key held is let go, as the releases go elsewhere.
void KeyboardMayHaveMoved() {
    bool now = KeyboardReachesWindow();
    if (reaches && !now) ClearKeyStates();
    reaches = now;
}

// X tells the keys down as the window gets the keyboard (or the pointer)
// back: the releases of keys let go meanwhile went elsewhere, and a key held
// all along is no new press.
void KeysDownOnReturn(const XKeymapEvent& keymap) {
    KeyboardKeys down;
    for (int key = 8; key < kKeyboardKeys; ++key)
        if (keymap.key_vector[key / 8] & 1 << key % 8) down.set(key);
    KeyboardKeysDownAre(down);
}

void Hear(XEvent& event) {
    switch (event.type) {
    // A key that reaches the window while X says the keyboard does not (the
    // pointer held by another program's grab) counts for nothing: its
    // release may go anywhere.
    case KeyPress:
        if (reaches) PressKey(int(event.xkey.keycode), SlotOfPress(event.xkey));
        break;
    // What the key made then, not now: Shift, Num Lock or the layout may
    // have changed while it was held.
    case KeyRelease: ReleaseKey(int(event.xkey.keycode)); break;
    case KeymapNotify: KeysDownOnReturn(event.xkeymap); break;
    case MappingNotify: mapping.stale = true; break;
    // Crossings of any mode: a pointer that leaves as another program grabs
    // it sends the window nothing more until the grab ends, wherever it goes
    // meanwhile. Into a window inside the game's is no leaving.
    case EnterNotify:
    case LeaveNotify:
        pointerInside = event.type == EnterNotify || event.xcrossing.detail == NotifyInferior;
        KeyboardMayHaveMoved();
        break;
    // Another program grabbing the keyboard takes it whatever the focus:
    // X tells the window as if the focus went to the grab, and gives it back
    // as if it came home.
    case FocusOut:
        if (event.xfocus.mode == NotifyGrab) ClearKeyStates();
        KeyboardMayHaveMoved();
        break;
    case FocusIn: KeyboardMayHaveMoved(); break;
    default:
        if (event.type == keyboardEvents) mapping.stale = true;
    }
}

// The connection, with X's keyboard extension, which names what each key
// makes in each group; or a line on standard error saying why not.
bool OpenWatch(Display* game) {
    const char* name = DisplayString(game);
    watch = XOpenDisplay(name);
    int opcode, error, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (watch && XkbQueryExtension(watch, &opcode, &keyboardEvents, &error, &major, &minor)) return true;
    std::fprintf(stderr,
                 "pib3: X %s %s: a key pressed or let go under Shift, Caps Lock or Num Lock counts as the "
                 "character it makes, and one held as the window loses the keyboard stays held until pressed "
                 "again\n",
                 watch ? "has no keyboard extension on" : "refuses a second connection to", name);
    if (watch) XCloseDisplay(watch);
    watch = nullptr;
    return false;
}
}  // namespace

void ListenToKeys() {
    Display* game = glXGetCurrentDisplay();
    window = glXGetCurrentDrawable();
    if (!watch && game && window) OpenWatch(game);
    ListenToGlutKeys(!watch);
    if (!watch) return;
    const unsigned kNewMapping = XkbNewKeyboardNotifyMask | XkbMapNotifyMask;
    XkbSelectEvents(watch, XkbUseCoreKbd, kNewMapping, kNewMapping);
    // A held key repeats as presses alone, each of a key already down.
    Bool repeatsDetectable;
    XkbSetDetectableAutoRepeat(watch, True, &repeatsDetectable);
    XSelectInput(watch, window,
                 KeyPressMask | KeyReleaseMask | FocusChangeMask | EnterWindowMask | LeaveWindowMask |
                     KeymapStateMask);
    // Asked once the events are on their way, so that no change falls between.
    XSync(watch, False);
    pointerInside = PointerIsInWindow();
    reaches = KeyboardReachesWindow();
}

void ReadWindowKeyboard() {
    if (!watch) return;
    while (XPending(watch)) {
        XEvent event;
        XNextEvent(watch, &event);
        Hear(event);
    }
}

void StopWatchingWindowKeyboard() {
    if (!watch) return;
    XCloseDisplay(watch);
    watch = nullptr;
    if (mapping.keys) XkbFreeKeyboard(mapping.keys, 0, True);
    mapping = Mapping();
    ListenToGlutKeys(true);
}
