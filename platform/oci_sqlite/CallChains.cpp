// The statement text is read just far enough to see calls, their arguments and parentheses; strings
// and quoted names pass through whole. A call is chained only when SQLite knows its name as a
// scalar function with that many arguments, so aggregates, window functions and keywords followed
// by a parenthesis (IN, CAST, VALUES ...) stay as written.
#include "platform/oci_sqlite/CallChains.h"

#include <cctype>
#include <cstdint>
#include <cstring>
#include <map>
#include <sqlite3.h>
#include <vector>

namespace ocisqlite {

namespace {

struct Node;
using Sequence = std::vector<Node>;

struct Node {
    enum class Kind { Text, Call, Group } kind = Kind::Text;
    std::string text;               // Text: as written; Call: the function's name
    std::vector<Sequence> children; // Call: the arguments; Group: the one sequence inside
};

bool IsNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$';
}

class Reader {
public:
    explicit Reader(const std::string& sql) : sql_(sql) {}

    // Up to the closing parenthesis of the enclosing call or group (consumed), or the end; a call's
    // arguments end at a comma at their own level too (consumed; `comma` tells which).
    Sequence Read(bool inCall, bool* comma = nullptr) {
        Sequence out;
        while (at_ < sql_.size()) {
            const char c = sql_[at_];
            if (c == ')' || (inCall && c == ',')) {
                ++at_;
                if (comma)
                    *comma = c == ',';
                return out;
            }
            if (c == '(') {
                ++at_;
                out.push_back(Node{Node::Kind::Group, "", {Read(false)}});
            } else if (IsNameStart(c)) {
                const size_t start = at_;
                while (at_ < sql_.size() && IsNameChar(sql_[at_]))
                    ++at_;
                std::string name = sql_.substr(start, at_ - start);
                if (at_ < sql_.size() && sql_[at_] == '(') {
                    ++at_;
                    out.push_back(Node{Node::Kind::Call, std::move(name), Arguments()});
                } else {
                    out.push_back(Node{Node::Kind::Text, std::move(name), {}});
                }
            } else if (c == '\'' || c == '"') {
                out.push_back(Node{Node::Kind::Text, Quoted(c), {}});
            } else {
                out.push_back(Node{Node::Kind::Text, std::string(1, c), {}});
                ++at_;
            }
        }
        return out;
    }

    bool AtEnd() const { return at_ >= sql_.size(); }

private:
    std::vector<Sequence> Arguments() {
        std::vector<Sequence> arguments;
        bool comma = true;
        while (comma && at_ < sql_.size()) {
            comma = false;
            arguments.push_back(Read(true, &comma));
        }
        if (arguments.size() == 1 && arguments[0].empty()) // f()
            arguments.clear();
        return arguments;
    }

    // A string or quoted name; a doubled quote stays inside.
    std::string Quoted(char quote) {
        const size_t start = at_++;
        while (at_ < sql_.size() &&
               !(sql_[at_] == quote && (at_ + 1 >= sql_.size() || sql_[at_ + 1] != quote)))
            at_ += sql_[at_] == quote ? 2 : 1;
        at_ = std::min(at_ + 1, sql_.size());
        return sql_.substr(start, at_ - start);
    }

    const std::string& sql_;
    size_t at_ = 0;
};

// Which names SQLite runs as scalar functions of a given number of arguments (-1: any number).
class ScalarFunctions {
public:
    explicit ScalarFunctions(sqlite3* db) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT name, type, narg FROM pragma_function_list", -1, &stmt, nullptr) ==
            SQLITE_OK)
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
                const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1));
                if (name && type)
                    (std::strcmp(type, "s") == 0 ? scalar_ : other_)[Lower(name)].push_back(
                        sqlite3_column_int(stmt, 2));
            }
        sqlite3_finalize(stmt);
    }

    bool Knows(const std::string& name, size_t arguments) const {
        const auto fits = [&](const std::map<std::string, std::vector<int>>& functions, bool anyCount) {
            const auto found = functions.find(Lower(name));
            if (found == functions.end())
                return false;
            for (int count : found->second)
                if (count == static_cast<int>(arguments) || (anyCount && count < 0))
                    return true;
            return false;
        };
        return fits(scalar_, true) && !fits(other_, false);
    }

private:
    static std::string Lower(std::string text) {
        for (char& c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }
    std::map<std::string, std::vector<int>> scalar_, other_;
};

constexpr int kMaxNestedCalls = 255;

int Depth(const Node& node);

int Depth(const Sequence& sequence) {
    int deepest = 0;
    for (const Node& node : sequence)
        deepest = std::max(deepest, Depth(node));
    return deepest;
}

// Calls nested in the node, itself included.
int Depth(const Node& node) {
    int deepest = 0;
    for (const Sequence& child : node.children)
        deepest = std::max(deepest, Depth(child));
    return deepest + (node.kind == Node::Kind::Call ? 1 : 0);
}

class Writer {
public:
    explicit Writer(const ScalarFunctions& functions) : functions_(functions) {}

    std::string Write(const Sequence& sequence) {
        std::string out;
        for (const Node& node : sequence)
            out += Write(node);
        return out;
    }

    int chained = 0;

private:
    std::string Write(const Node& node) {
        if (node.kind == Node::Kind::Text)
            return node.text;
        if (node.kind == Node::Kind::Group)
            return "(" + Write(node.children[0]) + ")";
        std::vector<std::string> links;
        const std::string start = Chain(node, links);
        if (links.empty())
            return start;
        std::string out = "(" + start;
        for (auto link = links.rbegin(); link != links.rend(); ++link)
            out += " -> " + *link;
        return out + ")";
    }

    // The innermost call of the chain, written plainly; `links` gets the outer calls, outermost first.
    std::string Chain(const Node& call, std::vector<std::string>& links) {
        const size_t inner = ChainedArgument(call);
        if (inner == call.children.size())
            return Plain(call);
        std::string link = "ora_args('" + call.text + "', " + std::to_string(inner + 1);
        for (size_t i = 0; i < call.children.size(); ++i)
            if (i != inner)
                link += ", " + Write(call.children[i]);
        links.push_back(link + ")");
        ++chained;
        return Chain(*SoleCall(call.children[inner]), links);
    }

    std::string Plain(const Node& call) {
        std::string out = call.text + "(";
        for (size_t i = 0; i < call.children.size(); ++i)
            out += (i ? "," : "") + Write(call.children[i]);
        return out + ")";
    }

    // The argument that is itself a scalar call, the one with the deepest calls when several are;
    // the number of arguments when none is.
    size_t ChainedArgument(const Node& call) {
        if (!functions_.Knows(call.text, call.children.size()))
            return call.children.size();
        size_t chosen = call.children.size();
        int deepest = 0;
        for (size_t i = 0; i < call.children.size(); ++i) {
            const Node* inner = SoleCall(call.children[i]);
            if (inner && functions_.Knows(inner->text, inner->children.size()) && Depth(*inner) > deepest) {
                deepest = Depth(*inner);
                chosen = i;
            }
        }
        return chosen;
    }

    static const Node* SoleCall(const Sequence& argument) {
        const Node* call = nullptr;
        for (const Node& node : argument) {
            if (node.kind == Node::Kind::Text && node.text.find_first_not_of(" \t\r\n") == std::string::npos)
                continue;
            if (call || node.kind != Node::Kind::Call)
                return nullptr;
            call = &node;
        }
        return call;
    }

    const ScalarFunctions& functions_;
};

// ---- the functions ----

// ora_args(name, position, the other arguments ...): the outer call of a link, as a blob: the name,
// the chained value's 1-based position and each other argument as type, length and bytes.
void Append(std::string& out, const void* bytes, size_t size) {
    out.append(static_cast<const char*>(bytes), size);
}

void PackArguments(sqlite3_context* c, int n, sqlite3_value** v) {
    std::string out;
    const std::string name = reinterpret_cast<const char*>(sqlite3_value_text(v[0]));
    const auto position = static_cast<uint32_t>(sqlite3_value_int(v[1]));
    const auto nameSize = static_cast<uint32_t>(name.size());
    Append(out, &nameSize, sizeof nameSize);
    out += name;
    Append(out, &position, sizeof position);
    for (int i = 2; i < n; ++i) {
        const auto type = static_cast<unsigned char>(sqlite3_value_type(v[i]));
        out += static_cast<char>(type);
        if (type == SQLITE_INTEGER) {
            const sqlite3_int64 value = sqlite3_value_int64(v[i]);
            Append(out, &value, sizeof value);
        } else if (type == SQLITE_FLOAT) {
            const double value = sqlite3_value_double(v[i]);
            Append(out, &value, sizeof value);
        } else if (type != SQLITE_NULL) {
            const void* bytes = type == SQLITE_TEXT ? static_cast<const void*>(sqlite3_value_text(v[i]))
                                                    : sqlite3_value_blob(v[i]);
            const auto size = static_cast<uint32_t>(sqlite3_value_bytes(v[i]));
            Append(out, &size, sizeof size);
            Append(out, bytes, size);
        }
    }
    sqlite3_result_blob(c, out.data(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}

class Unpacker {
public:
    Unpacker(const char* data, size_t size) : data_(data), size_(size) {}
    template <class T> bool Read(T& value) {
        if (at_ + sizeof value > size_)
            return false;
        std::memcpy(&value, data_ + at_, sizeof value);
        at_ += sizeof value;
        return true;
    }
    bool Read(std::string& value, size_t size) {
        if (at_ + size > size_)
            return false;
        value.assign(data_ + at_, size);
        at_ += size;
        return true;
    }
    bool AtEnd() const { return at_ == size_; }

private:
    const char* data_;
    size_t size_, at_ = 0;
};

// Binds the packed arguments from `first` on, leaving the chained value's place free; false when the
// blob is not one ora_args made.
bool BindPacked(sqlite3_stmt* stmt, Unpacker& in, int position) {
    for (int index = 1; !in.AtEnd(); ++index) {
        if (index == position)
            ++index;
        unsigned char type = 0;
        uint32_t size = 0;
        std::string bytes;
        if (!in.Read(type))
            return false;
        if (type == SQLITE_INTEGER) {
            sqlite3_int64 value = 0;
            if (!in.Read(value))
                return false;
            sqlite3_bind_int64(stmt, index, value);
        } else if (type == SQLITE_FLOAT) {
            double value = 0;
            if (!in.Read(value))
                return false;
            sqlite3_bind_double(stmt, index, value);
        } else if (type == SQLITE_NULL) {
            sqlite3_bind_null(stmt, index);
        } else if (in.Read(size) && in.Read(bytes, size)) {
            if (type == SQLITE_TEXT)
                sqlite3_bind_text(stmt, index, bytes.data(), static_cast<int>(size), SQLITE_TRANSIENT);
            else
                sqlite3_bind_blob(stmt, index, bytes.data(), static_cast<int>(size), SQLITE_TRANSIENT);
        } else {
            return false;
        }
    }
    return true;
}

bool IsFunctionName(const std::string& name) {
    if (name.empty() || !IsNameStart(name[0]))
        return false;
    for (char c : name)
        if (!IsNameChar(c))
            return false;
    return true;
}

// value -> ora_args(...): the outer call with the value in its place, run on the same connection.
void ApplyLink(sqlite3_context* c, int, sqlite3_value** v) {
    const auto* data = static_cast<const char*>(sqlite3_value_blob(v[1]));
    Unpacker in(data ? data : "", static_cast<size_t>(sqlite3_value_bytes(v[1])));
    uint32_t nameSize = 0, position = 0;
    std::string name;
    if (sqlite3_value_type(v[1]) != SQLITE_BLOB || !in.Read(nameSize) || !in.Read(name, nameSize) ||
        !in.Read(position) || !IsFunctionName(name) || position == 0)
        return sqlite3_result_error(c, "ORA-00600: internal error code, arguments: [call chain]", -1);
    // Count the packed arguments first: the call's text needs them all.
    Unpacker counter = in;
    int arguments = 1;
    for (unsigned char type = 0; counter.Read(type); ++arguments) {
        uint32_t size = 8;
        if (type == SQLITE_NULL)
            continue;
        if ((type == SQLITE_TEXT || type == SQLITE_BLOB) && !counter.Read(size))
            break;
        std::string skipped;
        counter.Read(skipped, size);
    }
    std::string sql = "SELECT " + name + "(";
    for (int i = 1; i <= arguments; ++i)
        sql += (i > 1 ? ",?" : "?") + std::to_string(i);
    sql += ")";
    sqlite3* db = sqlite3_context_db_handle(c);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK ||
        !BindPacked(stmt, in, position)) {
        sqlite3_finalize(stmt);
        return sqlite3_result_error(c, sqlite3_errmsg(db), -1);
    }
    sqlite3_bind_value(stmt, static_cast<int>(position), v[0]);
    if (sqlite3_step(stmt) == SQLITE_ROW)
        sqlite3_result_value(c, sqlite3_column_value(stmt, 0));
    else
        sqlite3_result_error(c, sqlite3_errmsg(db), -1);
    sqlite3_finalize(stmt);
}

} // namespace

std::optional<std::string> ChainedCalls(sqlite3* db, const std::string& sql) {
    const ScalarFunctions functions(db);
    Reader reader(sql);
    const Sequence sequence = reader.Read(false);
    if (!reader.AtEnd()) // a parenthesis closed that was never opened: not a text to rewrite
        return std::nullopt;
    if (Depth(sequence) > kMaxNestedCalls) // as deep as Oracle goes; deeper stays refused
        return std::nullopt;
    Writer writer(functions);
    std::string chained = writer.Write(sequence);
    if (writer.chained == 0)
        return std::nullopt;
    return chained;
}

void RegisterCallChainFunctions(sqlite3* db) {
    sqlite3_create_function(db, "->", 2, SQLITE_UTF8, nullptr, ApplyLink, nullptr, nullptr);
    sqlite3_create_function(db, "ora_args", -1, SQLITE_UTF8, nullptr, PackArguments, nullptr, nullptr);
}

} // namespace ocisqlite
