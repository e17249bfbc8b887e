#include "trap_search.h"

#include <GL/glut.h>

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "core/keys.h"
#include "figures/bunny_animation.h"
#include "players/pib.h"
#include "players/pib_movement.h"
#include "players/pib_record.h"
#include "world/board.h"
#include "world/gems_bands.h"

namespace {

// The search walks pib 0 on the arrow keys, whose slots need no window.
const int kPib = 0;

// A band place further than this from every point of a walk, in x and in y,
// cannot have changed it: a band turns a pib back about a quarter cell short
// of its middle, and the two poles it uses up stand half a cell from there,
// where a pib that could have turned at one passed within a cell.
const double kBandReach = 1.1;

// Sets of bands are bits, one per hidden band place of the world file. When
// any pib may put any band up, every set is searched: 2 to the number of
// places.
typedef uint64_t BandSet;
const size_t kMaxBandPlaces = 64;
const size_t kMaxBandPlacesAnyTime = 16;

BandSet Band(size_t k) { return BandSet(1) << k; }
size_t CountBands(BandSet set) { return std::bitset<64>(set).count(); }
// The lowest place of a set that is not empty.
int FirstBand(BandSet set) {
    int k = 0;
    while (!(set & Band(size_t(k)))) ++k;
    return k;
}

// Places are told apart to a quarter of a step: two walks that stop at the
// same corner differ only in the last bits, and a cell holds several corners.
const double kPlaceGrain = 800.0;

// A walk with no corner on it for this long has long since been everywhere a
// straight walk can take it; a repeat is caught much sooner.
const long kMaxWalkTicks = 4000000;

enum Choice { kStraightOn, kTurnLeft, kTurnRight };
const int kChoiceCount = 3;

// Where a walk stops: where a turn could start, or just after the pib put a
// band up (from then on the world is another). The start is a place too.
enum Stop { kAtStart, kAtCorner, kAfterBand };

enum Ending { kNoSuchTurn, kReachesPlace, kFalls, kRoundAndRound };

// What one walk from a place, with one choice at its start, comes to.
struct Walk {
    Ending ending = kNoSuchTurn;
    int to = -1;      // kReachesPlace: the place it stops at
    int raised = -1;  // the band place it put up, if any
    bool passesHome = false;
    int x = 0, y = 0, upper = 0, dir = 0;  // kRoundAndRound: where
    BandSet near = 0;    // the band places it came near...
    BandSet nearUp = 0;  // ...and which of them were up
};

typedef std::tuple<int, int, int, int> Spot;  // cell x, y, level, heading

Spot SpotOf(const Pib& pib) { return Spot{int(pib.x), int(pib.y), pib.upper, pib.dir}; }

// Asks the turn rule whether a turn would start now if its key were held.
int CouldTurn(Pib& pib, Choice choice) {
    int Pib::*key = choice == kTurnLeft ? &Pib::leftKeyDown : &Pib::rightKeyDown;
    int held = pib.*key;
    pib.*key = 1;
    int turns = choice == kTurnLeft ? ShouldTurnLeft(kPib) : ShouldTurnRight(kPib);
    pib.*key = held;
    return turns;
}

int IsAtCorner(Pib& pib) {
    return pib.turnState == kWalkingStraight &&
           (CouldTurn(pib, kTurnLeft) || CouldTurn(pib, kTurnRight));
}

void HoldTurnKey(Choice choice, bool down) {
    if (choice == kStraightOn) return;
    int key = choice == kTurnLeft ? GLUT_KEY_LEFT : GLUT_KEY_RIGHT;
    down ? SpecialDown(key, 0, 0) : SpecialUp(key, 0, 0);
}

class TrapSearch {
public:
    TrapSearch(const std::string& file, const TrapSearchStart& start)
        : file_(file), start_(start) {}
    std::vector<Trap> Run(BandRaisers raisers);

private:
    struct State {
        int place;
        BandSet up;
    };

    void LoadWorld();
    void SetBandsUp(BandSet up);
    BandSet BandsUpNow() const;
    void NoteBandsNear(const Pib& pib, Walk* walk) const;
    int PlaceOf(Stop stop, const Pib& pib);
    Walk WalkFrom(int place, Choice choice, BandSet up);
    Walk RunWalk(int place, Choice choice, BandSet up);
    int StateOf(int place, BandSet up);
    void Explore(BandRaisers raisers, std::vector<Trap>* traps);
    std::vector<char> CanGetHome() const;
    void AddLostStates(std::vector<Trap>* traps) const;
    Trap TrapAt(TrapKind kind, const Spot& spot, BandSet up) const;

    std::string file_;
    TrapSearchStart start_;
    std::vector<std::pair<int, int>> bandPlaces_;  // the hidden ones of the file
    BandSet worldBands_ = 0;  // which of them are up in the grids now

    std::vector<Pib> places_;  // the pib as it first stood at each place
    std::map<std::tuple<int, long, long, int, int>, int> placeIndex_;
    int home_ = -1;
    std::vector<std::vector<Walk>> walks_;  // [place * kChoiceCount + choice]

    std::vector<State> states_;
    std::map<std::pair<int, BandSet>, int> stateIndex_;
    std::vector<std::vector<int>> next_;    // by this pib's own walks
    std::vector<std::vector<int>> others_;  // by a band another pib put up
    std::vector<char> passesHome_;
};

void TrapSearch::LoadWorld() {
    ReadWorldGrids(file_.c_str());
    worldBands_ = 0;
}

// Puts the set's bands up the way a pib does, from a quarter cell short of
// each place; the grids are read afresh when one must come down again.
void TrapSearch::SetBandsUp(BandSet up) {
    if (worldBands_ & ~up) LoadWorld();
    for (size_t k = 0; k < bandPlaces_.size(); ++k) {
        if (!(up & Band(k)) || (worldBands_ & Band(k))) continue;
        double x, y;
        GetEdgePoint(bandPlaces_[k].first, bandPlaces_[k].second, &x, &y);
        PlaceBandAt(x, y - 0.25, 0);
    }
    worldBands_ = up;
}

BandSet TrapSearch::BandsUpNow() const {
    BandSet up = 0;
    for (size_t k = 0; k < bandPlaces_.size(); ++k)
        if (IsBandActive(bandPlaces_[k].first, bandPlaces_[k].second)) up |= Band(k);
    return up;
}

void TrapSearch::NoteBandsNear(const Pib& pib, Walk* walk) const {
    for (size_t k = 0; k < bandPlaces_.size(); ++k) {
        double x, y;
        GetEdgePoint(bandPlaces_[k].first, bandPlaces_[k].second, &x, &y);
        if (std::fabs(pib.x - x) < kBandReach && std::fabs(pib.y - y) < kBandReach)
            walk->near |= Band(k);
    }
}

int TrapSearch::PlaceOf(Stop stop, const Pib& pib) {
    auto key = std::make_tuple(int(stop), std::lround(pib.x * kPlaceGrain),
                               std::lround(pib.y * kPlaceGrain), pib.upper, pib.dir);
    auto found = placeIndex_.find(key);
    if (found != placeIndex_.end()) return found->second;
    int place = int(places_.size());
    places_.push_back(pib);
    walks_.resize(walks_.size() + kChoiceCount);
    placeIndex_[key] = place;
    return place;
}

// A walk depends on no band place it stayed clear of, so one already run from
// the same place with the same choice serves every set of bands that agrees
// with it on the places it came near.
Walk TrapSearch::WalkFrom(int place, Choice choice, BandSet up) {
    size_t slot = size_t(place) * kChoiceCount + choice;
    for (const Walk& walk : walks_[slot])
        if ((up & walk.near) == walk.nearUp) return walk;
    Walk walk = RunWalk(place, choice, up);
    walks_[slot].push_back(walk);
    return walk;
}

// Walks the pib from the place under the real tick, the turn key held for the
// first tick when the choice is a turn, until it stops at the next place,
// falls, or is seen in the same cell heading the same way again with no
// corner on the way: a straight walk then repeats itself for ever.
Walk TrapSearch::RunWalk(int place, Choice choice, BandSet up) {
    SetBandsUp(up);
    Pib& pib = *FindPib(kPib);
    pib = places_[size_t(place)];
    ClearBunnyAnimation(pib.model);
    Walk walk;
    NoteBandsNear(pib, &walk);
    walk.nearUp = up & walk.near;
    if (choice != kStraightOn && !CouldTurn(pib, choice)) return walk;
    HoldTurnKey(choice, true);
    std::vector<Spot> path;  // each new spot of the straight walk, in turn
    std::map<Spot, size_t> seenAt;
    for (long tick = 0;; ++tick) {
        if (tick > 0 && IsAtCorner(pib)) {
            walk.ending = kReachesPlace;
            walk.to = PlaceOf(kAtCorner, pib);
            break;
        }
        UpdatePib(kPib);
        if (tick == 0) HoldTurnKey(choice, false);
        NoteBandsNear(pib, &walk);
        if (pib.dying) {
            walk.ending = kFalls;
            break;
        }
        BandSet now = BandsUpNow();
        if (now != up) {
            worldBands_ = now;
            walk.raised = FirstBand(now & ~up);
            walk.ending = kReachesPlace;
            walk.to = PlaceOf(kAfterBand, pib);
            break;
        }
        if (pib.turnState != kWalkingStraight || (!path.empty() && SpotOf(pib) == path.back()))
            continue;
        auto seen = seenAt.emplace(SpotOf(pib), path.size());
        path.push_back(SpotOf(pib));
        if (!seen.second || tick >= kMaxWalkTicks) {
            // The round is named by its least spot, the same whichever way
            // the pib came into it.
            Spot least = *std::min_element(path.begin() + long(seen.first->second), path.end());
            walk.ending = kRoundAndRound;
            std::tie(walk.x, walk.y, walk.upper, walk.dir) = least;
            break;
        }
        if (int(pib.x) == int(start_.x) && int(pib.y) == int(start_.y)) walk.passesHome = true;
    }
    walk.nearUp = up & walk.near;
    return walk;
}

int TrapSearch::StateOf(int place, BandSet up) {
    auto found = stateIndex_.find({place, up});
    if (found != stateIndex_.end()) return found->second;
    int id = int(states_.size());
    states_.push_back({place, up});
    next_.emplace_back();
    others_.emplace_back();
    passesHome_.push_back(0);
    stateIndex_[{place, up}] = id;
    return id;
}

// Breadth first over (place, bands up), every choice at every place, and
// with kAnyPibAnyTime every band that is not up yet going up there. A spot
// where walks go round is kept once, with the fewest bands that led there.
void TrapSearch::Explore(BandRaisers raisers, std::vector<Trap>* traps) {
    std::map<Spot, BandSet> round;
    for (size_t s = 0; s < states_.size(); ++s) {
        const State state = states_[s];
        for (int c = 0; c < kChoiceCount; ++c) {
            Walk walk = WalkFrom(state.place, Choice(c), state.up);
            if (walk.ending == kNoSuchTurn) continue;
            if (walk.ending == kRoundAndRound) {
                Spot spot{walk.x, walk.y, walk.upper, walk.dir};
                auto known = round.emplace(spot, state.up);
                if (CountBands(state.up) < CountBands(known.first->second))
                    known.first->second = state.up;
                continue;
            }
            int to = walk.ending == kFalls ? home_ : walk.to;
            BandSet up = walk.raised < 0 ? state.up : state.up | Band(size_t(walk.raised));
            int next = StateOf(to, up);
            next_[s].push_back(next);
            if (walk.passesHome || walk.ending == kFalls) passesHome_[s] = 1;
        }
        if (raisers == kThisPibOnly) continue;
        for (size_t k = 0; k < bandPlaces_.size(); ++k) {
            if (state.up & Band(k)) continue;
            int next = StateOf(state.place, state.up | Band(k));
            others_[s].push_back(next);
        }
    }
    for (const auto& [spot, up] : round) traps->push_back(TrapAt(kGoesRound, spot, up));
}

// Which states have some way back to the start cell by walks of their own:
// the player cannot count on other pibs.
std::vector<char> TrapSearch::CanGetHome() const {
    std::vector<std::vector<int>> from(states_.size());
    for (size_t s = 0; s < states_.size(); ++s)
        for (int n : next_[s]) from[size_t(n)].push_back(int(s));
    std::vector<char> home = passesHome_;
    std::vector<int> open;
    for (size_t s = 0; s < states_.size(); ++s)
        if (home[s]) open.push_back(int(s));
    while (!open.empty()) {
        int s = open.back();
        open.pop_back();
        for (int p : from[size_t(s)]) {
            if (home[size_t(p)]) continue;
            home[size_t(p)] = 1;
            open.push_back(p);
        }
    }
    return home;
}

// Each way into a pocket the pib can still turn in: a state with no way home
// of its own that a state with one leads to, by a walk or by another pib's
// band (or the start itself). A state whose every walk goes round is that
// trap again, already listed.
void TrapSearch::AddLostStates(std::vector<Trap>* traps) const {
    std::vector<char> home = CanGetHome();
    std::vector<char> entered(states_.size(), 0);
    entered[0] = 1;
    for (size_t s = 0; s < states_.size(); ++s) {
        if (!home[s]) continue;
        for (int n : next_[s]) entered[size_t(n)] = 1;
        for (int n : others_[s]) entered[size_t(n)] = 1;
    }
    std::set<Spot> lost;
    for (size_t s = 0; s < states_.size(); ++s) {
        Spot spot = SpotOf(places_[size_t(states_[s].place)]);
        if (!home[s] && entered[s] && !next_[s].empty() && lost.insert(spot).second)
            traps->push_back(TrapAt(kNoWayHome, spot, states_[s].up));
    }
}

Trap TrapSearch::TrapAt(TrapKind kind, const Spot& spot, BandSet up) const {
    Trap trap;
    trap.kind = kind;
    std::tie(trap.x, trap.y, trap.upper, trap.dir) = spot;
    for (size_t k = 0; k < bandPlaces_.size(); ++k)
        if (up & Band(k)) trap.bandsUp.push_back(bandPlaces_[k]);
    return trap;
}

std::vector<Trap> TrapSearch::Run(BandRaisers raisers) {
    LoadWorld();
    for (int r = 0; r < GetEdgeRowCount(); ++r)
        for (int c = 0; c < GetEdgeRowLength(r); ++c)
            if (bands[r][c].state == 1) bandPlaces_.push_back({r, c});
    size_t most = raisers == kAnyPibAnyTime ? kMaxBandPlacesAnyTime : kMaxBandPlaces;
    if (bandPlaces_.size() > most) {
        std::printf("%s: %zu hidden band places; the trap search takes %zu at most\n",
                    file_.c_str(), bandPlaces_.size(), most);
        std::exit(1);
    }
    ClearKeyStates();
    SetPlayerCount(1);
    InitPib(kPib, kKeyLeft, kKeyRight, kKeyUp, start_.x, start_.y, 0.5, start_.dir);
    FindPib(kPib)->drain = 0;  // energy only ends a trap, minutes later
    home_ = PlaceOf(kAtStart, *FindPib(kPib));
    StateOf(home_, 0);
    std::vector<Trap> traps;
    Explore(raisers, &traps);
    AddLostStates(&traps);
    return traps;
}

}  // namespace

std::vector<Trap> FindTraps(const std::string& worldFile, const TrapSearchStart& start,
                            BandRaisers raisers) {
    std::vector<Trap> traps = TrapSearch(worldFile, start).Run(raisers);
    ClearKeyStates();
    return traps;
}

std::string DescribeTrap(const Trap& trap) {
    static const char* const kHeading[4] = {"+y", "+x", "-y", "-x"};
    std::ostringstream out;
    out << (trap.kind == kGoesRound ? "goes round, no pole to turn at, in cell ("
                                    : "can turn but never gets back to its start from cell (")
        << trap.x << ", " << trap.y << ") " << (trap.upper ? "on the upper level" : "on the ground")
        << " heading " << kHeading[trap.dir & 3];
    if (trap.bandsUp.empty()) return out.str() + ", no band up";
    out << ", bands up at";
    for (const auto& band : trap.bandsUp) out << " (" << band.first << ", " << band.second << ")";
    return out.str();
}
