#pragma once
// Small helpers over xcb: replies freed as xcb asks, atoms looked up by name.
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace lexiglade {

struct FreeXcbReply {
    void operator()(void* reply) const { std::free(reply); }
};
// An xcb reply, freed with free() as xcb allocates it.
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeXcbReply>;

// The atom of `name`, or XCB_ATOM_NONE when the server has none by that name.
inline xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name);
    const ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace lexiglade
