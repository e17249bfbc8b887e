// The key table fed by real key events: X's test extension presses keys on a
// virtual display of this program's own, and the game reads them on its own
// connection as each pass of its main loop does.

// gtest first: X's headers define names such as None that its own use.
#include <gtest/gtest.h>

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/keys.h"
#include "core/x_keyboard.h"
#include "support/clock.h"
#include "support/helpers.h"

void ShowGameAtTitle();  // game_loop.cpp
void RunGamePass();

namespace {
Display* x = nullptr;  // the test's own connection, which presses the keys
int now = 0;
int DrivenClock() { return now += 20; }

// No key may end the game: its exit fails the case that made it.
[[noreturn]] void QuitFails(int code) {
    throw std::runtime_error("the game quit with code " + std::to_string(code));
}

void PointerTo(int px, int py) { XTestFakeMotionEvent(x, -1, px, py, CurrentTime); }

// A pass of the game's main loop over every event the server has made so far.
void Settle() {
    XSync(x, False);
    XSync(glXGetCurrentDisplay(), False);
    RunGamePass();
}

// The game's window and the pointer in it: with no window manager the
// keyboard follows it. Its keys are taken as the start-up takes them.
bool windowOpen = false;
Window gameWindow = 0;
Window otherWindow = 0;  // where a window manager may give the keyboard
Window coverWindow = 0;  // over the game's, as a panel or a notice kept on top
void OpenGameWindow() {
    if (windowOpen) return;
    windowOpen = true;
    int argc = 1;
    char name[] = "pib_keyboard_tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitWindowSize(600, 450);
    glutInitWindowPosition(0, 0);
    glutCreateWindow("Pib^3");
    ShowGameAtTitle();
    SetExitHandler(QuitFails);
    gameWindow = glXGetCurrentDrawable();
    otherWindow = XCreateSimpleWindow(x, DefaultRootWindow(x), 700, 500, 100, 100, 0, 0, 0);
    XMapWindow(x, otherWindow);
    coverWindow = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 800, 600, 0, 0, 0);
    Settle();  // maps the windows
    PointerTo(300, 200);
    Settle();
}

// A key by its place, whatever the layout makes of it.
KeyCode KeyNamed(const std::string& name) {
    XkbDescPtr desc = XkbGetMap(x, 0, XkbUseCoreKbd);
    XkbGetNames(x, XkbKeyNamesMask, desc);
    KeyCode found = 0;
    for (int k = desc->min_key_code; k <= desc->max_key_code && !found; ++k)
        if (std::string(desc->names->keys[k].name, strnlen(desc->names->keys[k].name, XkbKeyNameLength)) == name)
            found = KeyCode(k);
    XkbFreeKeyboard(desc, 0, True);
    return found;
}

bool NumLockOn() {
    XkbStateRec state;
    XkbGetState(x, XkbUseCoreKbd, &state);
    return state.locked_mods & Mod2Mask;
}

void Run(const std::string& command) {
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    Settle();
}

void SetLayout(std::string layout) {
    std::replace(layout.begin(), layout.end(), '/', ',');
    Run("setxkbmap -layout " + layout);
}

// A keypad as older keyboard mappings made it, whose Shift turns its arrows
// into digits with Num Lock off.
const char kShiftMakesKeypadDigits[] =
    "xkbcomp -xkb \"$DISPLAY\" - 2>/dev/null | sed '/type \"KEYPAD\"/,/};/ s/map\\[NumLock\\]= Level2;/& map[Shift]= Level2;/'"
    " | xkbcomp - \"$DISPLAY\" 2>/dev/null";

// As a window manager gives the keyboard to a window, or lets it follow the
// pointer.
void FocusOn(Window w) { XSetInputFocus(x, w, w == PointerRoot ? RevertToPointerRoot : RevertToParent, CurrentTime); }

std::set<std::string> keysHeld;

void Step(const std::string& st) {
    if (st == "out") return PointerTo(900, 700);
    if (st == "in") return PointerTo(300, 200);
    if (st[0] == '@') return SetLayout(st.substr(1));
    if (st[0] == '#') return (void)XkbLockGroup(x, XkbUseCoreKbd, unsigned(st[1] - '0'));
    if (st == "%shiftdigits") return Run(kShiftMakesKeypadDigits);
    if (st == "focus") return FocusOn(gameWindow);
    if (st == "away") return FocusOn(otherWindow);
    if (st == "root") return FocusOn(DefaultRootWindow(x));
    if (st == "cover") return (void)XMapRaised(x, coverWindow);
    if (st == "grab")
        return (void)XGrabPointer(x, DefaultRootWindow(x), False, 0, GrabModeAsync, GrabModeAsync, None, None,
                                  CurrentTime);
    if (st == "ungrab") return (void)XUngrabPointer(x, CurrentTime);
    if (st == "take") return (void)XGrabKeyboard(x, otherWindow, False, GrabModeAsync, GrabModeAsync, CurrentTime);
    if (st == "idle" || st == "hold") {
        for (int i = 0; i < (st == "idle" ? 3 : 30); ++i) {
            if (st == "hold") usleep(33000);
            Settle();
        }
        return;
    }
    std::string name = st.substr(0, st.size() - 1);
    bool down = st.back() == '+';
    KeyCode key = KeyNamed(name);
    ASSERT_NE(key, 0) << "no key " << name;
    XTestFakeKeyEvent(x, key, down, CurrentTime);
    down ? (void)keysHeld.insert(name) : (void)keysHeld.erase(name);
}

// Steps, each after a pass of the main loop over the one before: a key by its
// X name, + to press or - to let go; "out" and "in" take the pointer off the
// window and back (and the keyboard, when it follows the pointer); "focus"
// and "away" give the keyboard to the window and to another, as a window
// manager does; "root" gives it to the root window, as X does when the
// window that had it goes; "cover" puts another window over the game's;
// "grab" and "ungrab" take the pointer for another program and give it
// back, "take" the keyboard; "idle" is three passes, "hold" a second of them, past the
// keyboard's repeat delay; @ and a layout name sets the layout (its groups
// parted by /), # and a number locks that group of it. Steps joined by
// commas are sent before the game reads any.
void Play(const std::string& steps) {
    std::istringstream tokens(steps);
    for (std::string token; tokens >> token;) {
        std::istringstream joined(token);
        for (std::string st; std::getline(joined, st, ',');) Step(st);
        Settle();
    }
}

void LetGoOfEverything() {
    for (const std::string& name : std::set<std::string>(keysHeld)) Play(name + "-");
    if (NumLockOn()) Play("NMLK+ NMLK-");
    XUngrabPointer(x, CurrentTime);
    XUngrabKeyboard(x, CurrentTime);
    XUnmapWindow(x, coverWindow);
    PointerTo(300, 200);
    FocusOn(PointerRoot);
    XkbLockGroup(x, XkbUseCoreKbd, 0);
    SetLayout("us");
    ClearKeyStates();
}

struct Case {
    const char* what;
    const char* steps;
    const char* held;  // every character slot held after them; L and U the left and up arrows
};

// Keys by their X names: LFSH, RTSH the Shifts, LCTL Ctrl, NMLK Num Lock,
// AE01 to AE10 the digits row, AB01 z, AB02 x, AB03 c, AB09 the full stop,
// AB10 the slash, AD11 [ (on a US keyboard), KP4, KP7, KP8 the keypad's, UP
// and LEFT the arrows.
const Case kCases[] = {
    {"US: Shift+. fires, let go under Shift", "LFSH+ AB09+", "."},
    {"US: . let go under Shift", "LFSH+ AB09+ AB09- LFSH-", ""},
    {"US: Shift+7 turns, Shift+0 takes the textures off, kept as x goes", "RTSH+ AE07+ AE10+ AB02+ AB02-", "70"},
    {"French: Shift+1 is 1", "@fr LFSH+ AE01+", "1"},
    {"German: Shift+7 is / and no 7, kept as x goes", "@de LFSH+ AE07+ AB02+ AB02-", "/"},
    {"keypad 4 down under Shift as the left arrow, up as 4", "NMLK+ NMLK- LFSH+ KP4+ LFSH- KP4-", ""},
    {"keypad 4 held as the left arrow across Num Lock", "KP4+ NMLK+ NMLK- KP4-", ""},
    {"keypad 8 let go as the up arrow, the up arrow held", "UP+ NMLK+ NMLK- KP8+ NMLK+ NMLK- KP8-", "U"},
    {"two sevens hold 7 until both are up", "NMLK+ NMLK- AE07+ KP7+ AE07-", "7"},
    {"the keyboard lost and back, x pressed at once", "AB01+ out,AB01-,in,AB02+ idle", "x"},
    {"a held key repeating, then the keyboard lost", "AB01+ hold out,AB01-,in idle", ""},
    {"a key held across the keyboard's loss, repeating, counts only pressed again", "AB01+ out in hold", ""},
    {"the keyboard following the pointer out", "AB01+ out", ""},
    {"the keyboard given to another window", "focus AB01+ away", ""},
    {"the pointer leaving while the window holds the keyboard", "focus AB01+ out", "z"},
    {"a key let go and one pressed under a window covering the game's, which keeps the keyboard",
     "focus AB01+ cover AB01- AB02+", "x"},
    {"the keyboard on the root window, following the pointer out", "root AB01+ out", ""},
    {"the keyboard taken by another program's grab, a key let go meanwhile", "focus AB01+ take AB01-", ""},
    {"the pointer out under another program's grab and back: z held across counts only pressed again, x counts",
     "AB01+ grab out in ungrab AB02+ hold", "x"},
    {"seven events before the game reads any", "AB01+,AB02+,AB03+,AE01+,AE02+,AE03+,AB01-", "xc123"},
    {"keypad 8 and 4 under Shift with Num Lock on are 8 and 4, kept as the arrows go", "NMLK+ NMLK- LFSH+ KP8+ KP4+ UP+ LEFT+ UP- LEFT-", "84"},
    {"keypad 7 and 8 under Shift with Num Lock off, where Shift makes its digits: Home and the up arrow", "%shiftdigits LFSH+ KP7+ KP8+", "U"},
    {"Ctrl+3 is 3, Ctrl+[ is [, and neither quits", "LCTL+ AE03+ AD11+", "3["},
    {"us,ru: . let go beside /, then z and . in the Cyrillic group", "@us/ru AB09+ AB10+ AB09- #1 AB01+ AB09+", "/z."},
    {"z let go after the layout turned ru, which plays by what its keys make: the slash key is .", "AB01+ @ru AB01- AB10+", "."},
    {"fr,us: & in the first group, 2 in the second", "@fr/us AE01+ #1 AE02+", "&2"},
};

int HeldSlot(char c) { return c == 'L' ? int(kKeyLeft) : c == 'U' ? int(kKeyUp) : (unsigned char)c; }
}  // namespace

class XKeyboard : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!x) x = XOpenDisplay(nullptr);
        ASSERT_NE(x, nullptr);
        int event, error, major, minor;
        ASSERT_TRUE(XTestQueryExtension(x, &event, &error, &major, &minor));
        SetClockSource(DrivenClock);
        OpenGameWindow();
        ListenToKeys();
    }
};

TEST_F(XKeyboard, EveryKeyCountsAsItselfAndALetGoIsLetGo) {
    for (const Case& c : kCases) {
        Play(c.steps);
        for (int slot = 1; slot < kKeySlotCount; ++slot) {
            bool held = false;
            for (const char* h = c.held; *h; ++h) held = held || HeldSlot(*h) == slot;
            EXPECT_EQ(IsKeyDown(slot), held) << c.what << ": slot " << slot;
        }
        LetGoOfEverything();
    }
}

// With every connection the display allows taken, the game says what it goes
// without, then plays on by GLUT's callbacks alone.
TEST(XKeyboardClientLimit, AGameThatCannotWatchTheKeyboardSaysSoAndPlaysOn) {
    if (windowOpen) GTEST_SKIP() << "the game's window watches the keyboard already: run alone";
    x = XOpenDisplay(nullptr);
    ASSERT_NE(x, nullptr);
    OpenGameWindow();
    std::vector<Display*> taken;
    for (Display* d; taken.size() < 4096 && (d = XOpenDisplay(nullptr));) taken.push_back(d);
    testing::internal::CaptureStderr();
    ListenToKeys();
    std::string said = testing::internal::GetCapturedStderr();
    for (Display* d : taken) XCloseDisplay(d);
    EXPECT_NE(said.find("pib3: X refuses a second connection"), std::string::npos) << said;
    Play("LFSH+ AC01+");
    EXPECT_EQ(IsKeyDown('a'), 1);
    Play("AC01- LFSH-");
    EXPECT_EQ(IsKeyDown('a'), 0);
    // Ctrl turns the digits into control codes, 3 into the Escape code: each
    // still counts as its digit, and none quits.
    Play("LCTL+ AE02+ AE03+ AE04+ AE08+");
    for (char digit : std::string("2348")) EXPECT_EQ(IsKeyDown(digit), 1) << "Ctrl+" << digit;
    Play("AE02- AE03- AE04- AE08- LCTL-");
    for (char digit : std::string("2348")) EXPECT_EQ(IsKeyDown(digit), 0) << "Ctrl+" << digit;
}
