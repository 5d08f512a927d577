#pragma once
// A Word class as the stand-in serves it: its members by Word's names, each
// with its parameter names in Word's order and a handler that calls the
// Word interface; the events it can fire.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/wordstandin/Call.h"

namespace lorivex::test::standin {

using Handler = std::function<ComValue(word::Dispatch& target, Call& call)>;

struct Member {
    std::wstring name;
    std::vector<std::wstring> params;
    bool put = false; // property put (or putref); else property get or method
    Handler handler;
};

// Fire(dispid, arguments first to last) reaches every advised sink.
using Fire = std::function<void(DISPID id, std::vector<ComValue> args)>;

struct EventSource {
    IID iid;
    // Starts passing the Word object's events to fire; stop ends it.
    std::function<void(word::Dispatch& target, Fire fire)> start;
    std::function<void(word::Dispatch& target)> stop;
};

struct ClassTable {
    std::wstring name;
    std::vector<Member> members;
    std::optional<EventSource> events;
};

// Builds a table with handlers typed for the class's interface T.
template <class T>
class TableOf {
public:
    explicit TableOf(std::wstring name) { table_.name = std::move(name); }

    template <class F>
    TableOf& Get(const wchar_t* name, F f, std::vector<std::wstring> params = {})
    {
        table_.members.push_back({name, std::move(params), false, Typed(f)});
        return *this;
    }
    template <class F>
    TableOf& Put(const wchar_t* name, F f)
    {
        table_.members.push_back({name, {}, true, Typed(f)});
        return *this;
    }
    TableOf& Events(EventSource events)
    {
        table_.events = std::move(events);
        return *this;
    }
    ClassTable Build() { return std::move(table_); }

private:
    template <class F>
    static Handler Typed(F f)
    {
        return [f](word::Dispatch& target, Call& call) -> ComValue {
            if constexpr (std::is_void_v<decltype(f(dynamic_cast<T&>(target), call))>) {
                f(dynamic_cast<T&>(target), call);
                return ComValue();
            } else {
                return ComValue(f(dynamic_cast<T&>(target), call));
            }
        };
    }
    ClassTable table_;
};

} // namespace lorivex::test::standin
