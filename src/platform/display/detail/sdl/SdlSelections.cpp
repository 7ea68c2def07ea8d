// The selections through Xlib, on SDL's own connection: an unmapped window of ours owns CLIPBOARD and
// PRIMARY and answers TARGETS, TIMESTAMP, MULTIPLE, UTF8_STRING, TEXT and STRING. A text larger than one
// request may carry goes by INCR: the requestor learns the size, and each time it deletes the property the
// next piece is written, until an empty one ends the transfer. Requests arrive through SDL's event queue as
// the program's loop runs; pasting waits on the connection itself for the owner's answer.
#include "platform/display/detail/sdl/SdlSelections.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <poll.h>
#include <vector>

namespace win::sdl {

namespace {

// A piece of an incremental transfer: large pieces mean few round trips, and no piece may reach the
// server's request size.
constexpr std::size_t kLargestPiece = std::size_t{4} << 20;
// How long another program may take to answer a paste or to take the next piece of a transfer.
constexpr int kAnswerMs = 5000;
constexpr Uint64 kStalledTransferMs = 30000;
// A paste is refused beyond what the output view can hold.
constexpr std::size_t kLargestPaste = std::size_t{2} << 30;

using Text = std::shared_ptr<const std::string>;

struct Atoms {
    Atom clipboard, targets, timestamp, multiple, utf8, text, incr, atomPair, property, stamp;
};

// What the program offers as one selection.
struct Offer {
    Text text;
    Time since = CurrentTime;
};

// A text on its way to another program by INCR.
struct Transfer {
    Window requestor = 0;
    Atom property = 0;
    Atom type = 0;
    Text data;
    std::size_t sent = 0;
    Uint64 lastStep = 0;
};

// UTF-8 as Latin-1 (STRING): what Latin-1 cannot hold becomes '?'.
std::string Latin1FromUtf8(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        const bool latin = length == 2 && c <= 0xC3 && i + 1 < utf8.size();
        out += latin ? static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F))
                     : '?';
        i += length;
    }
    return out;
}

std::string Utf8FromLatin1(const std::string& latin) {
    std::string out;
    out.reserve(latin.size());
    for (const char ch : latin) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

class Selections final : public X11Selections {
public:
    Selections(::Display* display, Window window) : m_display(display), m_window(window) {
        const char* names[] = {"CLIPBOARD", "TARGETS", "TIMESTAMP", "MULTIPLE",        "UTF8_STRING",
                               "TEXT",      "INCR",    "ATOM_PAIR", "GLYPHLOOM_PASTE", "GLYPHLOOM_STAMP"};
        Atom atoms[std::size(names)];
        XInternAtoms(m_display, const_cast<char**>(names), static_cast<int>(std::size(names)), False, atoms);
        m_atoms = Atoms{atoms[0], atoms[1], atoms[2], atoms[3], atoms[4],
                        atoms[5], atoms[6], atoms[7], atoms[8], atoms[9]};
        const long words = XExtendedMaxRequestSize(m_display) ? XExtendedMaxRequestSize(m_display)
                                                              : XMaxRequestSize(m_display);
        // Room for the request's own fields.
        m_piece = std::min(kLargestPiece, static_cast<std::size_t>(words) * 4 - 256);
    }

    ~Selections() override { XDestroyWindow(m_display, m_window); }

    bool Set(Selection which, std::string text) override {
        const Atom selection = AtomOf(which);
        const Time now = ServerTime();
        XSetSelectionOwner(m_display, selection, m_window, now);
        if (XGetSelectionOwner(m_display, selection) != m_window) return false;
        OfferOf(which) = Offer{std::make_shared<const std::string>(std::move(text)), now};
        return true;
    }

    std::optional<std::string> Get(Selection which) override {
        const Atom selection = AtomOf(which);
        const Window owner = XGetSelectionOwner(m_display, selection);
        if (owner == None) return std::nullopt;
        if (owner == m_window) {
            const Offer& offer = OfferOf(which);
            return offer.text ? std::optional<std::string>(*offer.text) : std::nullopt;
        }
        bool refused = false;
        std::optional<std::string> text = Ask(selection, m_atoms.utf8, refused);
        if (!text && refused) text = Ask(selection, XA_STRING, refused);
        // Some programs end their text with a zero.
        if (text && !text->empty() && text->back() == '\0') text->pop_back();
        return text;
    }

    bool Has(Selection which) override {
        const Window owner = XGetSelectionOwner(m_display, AtomOf(which));
        return owner == m_window ? OfferOf(which).text != nullptr : owner != None;
    }

    void Handle(const SDL_SysWMmsg& message) override {
        if (message.subsystem != SDL_SYSWM_X11) return;
        const XEvent& event = message.msg.x11.event;
        switch (event.type) {
        case SelectionRequest:
            if (event.xselectionrequest.owner == m_window) Answer(event.xselectionrequest);
            break;
        case SelectionClear:
            if (event.xselectionclear.window == m_window) Lose(event.xselectionclear);
            break;
        case PropertyNotify:
            if (event.xproperty.state == PropertyDelete) Step(event.xproperty);
            break;
        default:
            break;
        }
        DropStalledTransfers();
    }

private:
    Atom AtomOf(Selection which) const {
        return which == Selection::Clipboard ? m_atoms.clipboard : XA_PRIMARY;
    }
    Offer& OfferOf(Selection which) { return m_offers[which == Selection::Clipboard ? 0 : 1]; }
    Offer* OfferFor(Atom selection) {
        if (selection == m_atoms.clipboard) return &m_offers[0];
        if (selection == XA_PRIMARY) return &m_offers[1];
        return nullptr;
    }

    // Waits for an event of ours that `wanted` accepts; false after `ms` without one.
    template <typename Wanted> bool WaitFor(XEvent& event, Wanted wanted, int ms) {
        struct Context {
            Wanted* wanted;
            Window window;
        } context{&wanted, m_window};
        const auto test = [](::Display*, XEvent* e, XPointer p) -> Bool {
            const auto* c = reinterpret_cast<Context*>(p);
            return e->xany.window == c->window && (*c->wanted)(*e) ? True : False;
        };
        const Uint64 end = SDL_GetTicks64() + static_cast<Uint64>(ms);
        for (;;) {
            if (XCheckIfEvent(m_display, &event, test, reinterpret_cast<XPointer>(&context))) return true;
            const Uint64 now = SDL_GetTicks64();
            if (now >= end) return false;
            pollfd connection{ConnectionNumber(m_display), POLLIN, 0};
            poll(&connection, 1, static_cast<int>(std::min<Uint64>(end - now, 100)));
        }
    }

    // The server's clock, for owning a selection: an empty append to our own window's property tells it.
    Time ServerTime() {
        XChangeProperty(m_display, m_window, m_atoms.stamp, XA_INTEGER, 8, PropModeAppend, nullptr, 0);
        XEvent event;
        const Atom stamp = m_atoms.stamp;
        const bool told = WaitFor(
            event, [stamp](const XEvent& e) { return e.type == PropertyNotify && e.xproperty.atom == stamp; },
            kAnswerMs);
        return told ? event.xproperty.time : CurrentTime;
    }

    // The whole property of our window, deleted after reading; nothing when it is not there.
    std::optional<std::string> TakeProperty(Atom& type) {
        std::string bytes;
        long offset = 0;
        for (;;) {
            Atom actualType = None;
            int format = 0;
            unsigned long items = 0, after = 0;
            unsigned char* data = nullptr;
            if (XGetWindowProperty(m_display, m_window, m_atoms.property, offset, LONG_MAX / 8, True,
                                   AnyPropertyType, &actualType, &format, &items, &after, &data) != Success)
                return std::nullopt;
            const std::size_t size = format == 32 ? items * sizeof(long) : items * (format / 8);
            if (data) {
                bytes.append(reinterpret_cast<const char*>(data), size);
                XFree(data);
            }
            type = actualType;
            if (actualType == None) return std::nullopt;
            if (after == 0) return bytes;
            offset += static_cast<long>(items * format / 32);
        }
    }

    // Asks the selection's owner for the text as `target`, and gives it as UTF-8 whatever form came (some
    // owners send what they hold whatever is asked); `refused` when the owner has no such form.
    std::optional<std::string> Ask(Atom selection, Atom target, bool& refused) {
        refused = false;
        const Atom property = m_atoms.property;
        XDeleteProperty(m_display, m_window, property);
        XEvent event;
        // What an earlier, abandoned paste left behind.
        while (WaitFor(
            event, [](const XEvent& e) { return e.type == SelectionNotify || e.type == PropertyNotify; },
            0)) {
        }
        XConvertSelection(m_display, selection, target, property, m_window, CurrentTime);
        if (!WaitFor(
                event,
                [selection](const XEvent& e) {
                    return e.type == SelectionNotify && e.xselection.selection == selection;
                },
                kAnswerMs))
            return std::nullopt;
        if (event.xselection.property == None) {
            refused = true;
            return std::nullopt;
        }
        Atom type = None;
        std::optional<std::string> text = TakeProperty(type);
        if (!text || type != m_atoms.incr) return AsUtf8(type, std::move(text));
        // Piece by piece: each new value is read and deleted, which asks for the next; an empty one ends.
        std::string whole;
        Atom wholeType = None;
        const auto newValue = [property](const XEvent& e) {
            return e.type == PropertyNotify && e.xproperty.atom == property &&
                   e.xproperty.state == PropertyNewValue;
        };
        for (;;) {
            if (!WaitFor(event, newValue, kAnswerMs)) return std::nullopt;
            std::optional<std::string> piece = TakeProperty(type);
            if (!piece) continue;
            if (piece->empty()) return AsUtf8(wholeType, std::move(whole));
            if (whole.size() + piece->size() > kLargestPaste) return std::nullopt;
            whole += *piece;
            wholeType = type;
        }
    }

    static std::optional<std::string> AsUtf8(Atom type, std::optional<std::string> text) {
        if (text && type == XA_STRING) text = Utf8FromLatin1(*text);
        return text;
    }

    void Answer(const XSelectionRequestEvent& request) {
        XSelectionEvent reply{};
        reply.type = SelectionNotify;
        reply.display = m_display;
        reply.requestor = request.requestor;
        reply.selection = request.selection;
        reply.target = request.target;
        reply.time = request.time;
        reply.property = None;
        const Offer* offer = OfferFor(request.selection);
        // Old clients name no property: the target's name serves.
        const Atom property = request.property == None ? request.target : request.property;
        if (offer && offer->text && (request.time == CurrentTime || request.time >= offer->since)) {
            const bool served =
                request.target == m_atoms.multiple
                    ? request.property != None && ServeMany(request.requestor, property, *offer)
                    : Serve(request.requestor, property, request.target, *offer);
            if (served) reply.property = property;
        }
        XEvent event{};
        event.xselection = reply;
        XSendEvent(m_display, request.requestor, False, NoEventMask, &event);
        XFlush(m_display);
    }

    bool Serve(Window requestor, Atom property, Atom target, const Offer& offer) {
        if (target == m_atoms.targets) {
            const Atom forms[] = {m_atoms.targets, m_atoms.timestamp, m_atoms.multiple,
                                  m_atoms.utf8,    m_atoms.text,      XA_STRING};
            XChangeProperty(m_display, requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(forms),
                            static_cast<int>(std::size(forms)));
            return true;
        }
        if (target == m_atoms.timestamp) {
            const long since = static_cast<long>(offer.since);
            XChangeProperty(m_display, requestor, property, XA_INTEGER, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&since), 1);
            return true;
        }
        if (target == m_atoms.utf8 || target == m_atoms.text)
            return Send(requestor, property, m_atoms.utf8, offer.text);
        if (target == XA_STRING)
            return Send(requestor, property, XA_STRING,
                        std::make_shared<const std::string>(Latin1FromUtf8(*offer.text)));
        return false;
    }

    // MULTIPLE: the property holds pairs of target and property; a pair that cannot be served gets None.
    bool ServeMany(Window requestor, Atom property, const Offer& offer) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(m_display, requestor, property, 0, 1024, False, AnyPropertyType, &type,
                               &format, &items, &after, &data) != Success ||
            !data || format != 32) {
            if (data) XFree(data);
            return false;
        }
        std::vector<Atom> pairs(reinterpret_cast<Atom*>(data), reinterpret_cast<Atom*>(data) + items / 2 * 2);
        XFree(data);
        for (std::size_t i = 0; i < pairs.size(); i += 2)
            if (pairs[i + 1] == None || !Serve(requestor, pairs[i + 1], pairs[i], offer)) pairs[i + 1] = None;
        XChangeProperty(m_display, requestor, property, m_atoms.atomPair, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(pairs.data()), static_cast<int>(pairs.size()));
        return true;
    }

    bool Send(Window requestor, Atom property, Atom type, Text data) {
        if (data->size() <= m_piece) {
            XChangeProperty(m_display, requestor, property, type, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(data->data()),
                            static_cast<int>(data->size()));
            return true;
        }
        // The requestor's deleting the property asks for each piece: we watch its properties until done.
        XSelectInput(m_display, requestor, PropertyChangeMask);
        const long size = static_cast<long>(std::min<std::size_t>(data->size(), INT_MAX));
        XChangeProperty(m_display, requestor, property, m_atoms.incr, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&size), 1);
        m_transfers.push_back(Transfer{requestor, property, type, std::move(data), 0, SDL_GetTicks64()});
        return true;
    }

    void Step(const XPropertyEvent& event) {
        const auto it = std::find_if(m_transfers.begin(), m_transfers.end(), [&event](const Transfer& t) {
            return t.requestor == event.window && t.property == event.atom;
        });
        if (it == m_transfers.end()) return;
        const std::size_t piece = std::min(m_piece, it->data->size() - it->sent);
        XChangeProperty(m_display, it->requestor, it->property, it->type, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(it->data->data() + it->sent),
                        static_cast<int>(piece));
        XFlush(m_display);
        it->sent += piece;
        it->lastStep = SDL_GetTicks64();
        // The empty piece written, the transfer is over.
        if (piece == 0) Finish(it);
    }

    void Finish(std::vector<Transfer>::iterator it) {
        const Window requestor = it->requestor;
        m_transfers.erase(it);
        const bool more = std::any_of(m_transfers.begin(), m_transfers.end(),
                                      [requestor](const Transfer& t) { return t.requestor == requestor; });
        if (!more) XSelectInput(m_display, requestor, NoEventMask);
    }

    // A requestor that stopped taking pieces (it ended, say) is given up on.
    void DropStalledTransfers() {
        const Uint64 now = SDL_GetTicks64();
        for (auto it = m_transfers.begin(); it != m_transfers.end();) {
            if (now - it->lastStep < kStalledTransferMs) {
                ++it;
                continue;
            }
            const std::ptrdiff_t at = it - m_transfers.begin();
            Finish(it);
            it = m_transfers.begin() + at;
        }
    }

    // Another program took the selection: what we offered goes (transfers under way keep their text).
    void Lose(const XSelectionClearEvent& event) {
        if (Offer* offer = OfferFor(event.selection); offer && event.time >= offer->since) *offer = Offer{};
    }

    ::Display* m_display;
    Window m_window;
    Atoms m_atoms{};
    std::size_t m_piece = 0;
    Offer m_offers[2];
    std::vector<Transfer> m_transfers;
};

} // namespace

std::unique_ptr<X11Selections> X11Selections::Open(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return nullptr;
    ::Display* display = info.info.x11.display;
    // Never mapped: it only owns selections and receives what is written to it.
    XSetWindowAttributes attributes{};
    attributes.event_mask = PropertyChangeMask;
    const Window owner = XCreateWindow(display, DefaultRootWindow(display), -10, -10, 1, 1, 0, CopyFromParent,
                                       InputOnly, CopyFromParent, CWEventMask, &attributes);
    if (!owner) return nullptr;
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    return std::make_unique<Selections>(display, owner);
}

} // namespace win::sdl
