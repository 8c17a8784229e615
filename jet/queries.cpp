// Translating stored Jet queries into SQLite views.
#include "queries.hpp"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>

#include "database/bulkwrite.hpp"

namespace OrvaneLib::jet {

namespace {

using bulk::QuoteIdent;

// Ends a translation: the query cannot be made, for this reason.
struct Refusal {
    std::string reason;
};
// Ends a translation until the named query has been translated.
struct Needs {
    std::string name;
};

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool SameName(std::string_view a, std::string_view b) { return Upper(a) == Upper(b); }

// The parts of a query, by their attribute number in MSysQueries.
enum Attribute {
    kType = 1,
    kParameter = 2,
    kFlags = 3,
    kRemoteDatabase = 4,
    kTable = 5,
    kColumn = 6,
    kJoin = 7,
    kWhere = 8,
    kGroupBy = 9,
    kHaving = 10,
    kOrderBy = 11,
    kEnd = 255,
};

// Select options (attribute 3).
constexpr int kSelectStar = 0x01;
constexpr int kDistinct = 0x02;
constexpr int kTop = 0x10;
constexpr int kPercent = 0x20;

const char* QueryKind(int type) {
    switch (type) {
        case 2:
            return "a make-table query";
        case 3:
            return "an append query";
        case 4:
            return "an update query";
        case 5:
            return "a delete query";
        case 6:
            return "a crosstab query";
        case 7:
            return "a data-definition query";
        case 8:
            return "a pass-through query";
        case 9:
            return "a union query";
        default:
            return "a query of an unknown kind";
    }
}

// ---------------------------------------------------------------------------------------
// Expressions

struct Token {
    enum class Kind { End, Word, Bracketed, Number, String, Date, Symbol };
    Kind kind = Kind::End;
    std::string text;
};

std::vector<Token> Tokenize(std::string_view s) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    auto isWord = [](unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; };
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (std::isspace(c)) {
            ++i;
        } else if (c == '[') {
            const auto close = s.find(']', i + 1);
            if (close == std::string_view::npos) throw Refusal{"an expression it cannot read"};
            tokens.push_back({Token::Kind::Bracketed, std::string(s.substr(i + 1, close - i - 1))});
            i = close + 1;
        } else if (c == '"' || c == '\'') {
            std::string text;
            std::size_t j = i + 1;
            for (;; ++j) {
                if (j >= s.size()) throw Refusal{"an expression it cannot read"};
                if (s[j] == static_cast<char>(c)) {
                    if (j + 1 < s.size() && s[j + 1] == static_cast<char>(c)) {
                        text += s[j++];
                        continue;
                    }
                    break;
                }
                text += s[j];
            }
            tokens.push_back({Token::Kind::String, text});
            i = j + 1;
        } else if (c == '#') {
            const auto close = s.find('#', i + 1);
            if (close == std::string_view::npos) throw Refusal{"an expression it cannot read"};
            tokens.push_back({Token::Kind::Date, std::string(s.substr(i + 1, close - i - 1))});
            i = close + 1;
        } else if (std::isdigit(c) || (c == '.' && i + 1 < s.size() &&
                                       std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
            std::size_t j = i;
            while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
            if (j < s.size() && s[j] == '.') {
                ++j;
                while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
            }
            if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
                std::size_t k = j + 1;
                if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
                if (k < s.size() && std::isdigit(static_cast<unsigned char>(s[k]))) {
                    j = k;
                    while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
                }
            }
            if (j < s.size() && isWord(static_cast<unsigned char>(s[j])))
                throw Refusal{"the number " + std::string(s.substr(i, j - i + 1)) + "..."};
            tokens.push_back({Token::Kind::Number, std::string(s.substr(i, j - i))});
            i = j;
        } else if (isWord(c)) {
            std::size_t j = i;
            while (j < s.size() && isWord(static_cast<unsigned char>(s[j]))) ++j;
            tokens.push_back({Token::Kind::Word, std::string(s.substr(i, j - i))});
            i = j;
        } else {
            static constexpr std::string_view kTwo[] = {"<>", "<=", ">="};
            std::string symbol(1, static_cast<char>(c));
            for (auto two : kTwo)
                if (s.substr(i, 2) == two) symbol = std::string(two);
            if (std::string_view("(),.!*/+-&=<>\\^;").find(static_cast<char>(c)) ==
                std::string_view::npos)
                throw Refusal{"the character '" + symbol + "' in an expression"};
            tokens.push_back({Token::Kind::Symbol, symbol});
            i += symbol.size();
        }
    }
    tokens.push_back({Token::Kind::End, ""});
    return tokens;
}

// A translated expression: its SQLite text and what it gives.
struct Expr {
    std::string sql;
    ValueType type = ValueType::Unknown;
    bool aggregate = false;
    bool star = false;
    std::string column;                  // the column's name, for a plain column reference
    std::optional<double> number;        // for a number literal
    std::optional<std::string> literal;  // for a text or date literal: its value
};

bool Numeric(ValueType t) { return t == ValueType::Integer || t == ValueType::Real; }

const char* TypeName(ValueType t) {
    switch (t) {
        case ValueType::Boolean:
            return "a Yes/No value";
        case ValueType::Integer:
        case ValueType::Real:
            return "a number";
        case ValueType::Text:
            return "a text";
        case ValueType::Date:
            return "a date";
        case ValueType::Blob:
            return "binary data";
        default:
            return "a value";
    }
}

std::string SqlText(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "'";
}

class ExprParser {
  public:
    ExprParser(std::string_view text, const SourceInfo& source, std::string alias)
        : tokens_(Tokenize(text)), source_(source), alias_(std::move(alias)) {}

    // The whole text as one expression.
    Expr Whole(bool allowAggregate, bool allowStar = false) {
        allowAggregate_ = allowAggregate;
        Expr e;
        if (allowStar && Peek().kind == Token::Kind::Symbol && Peek().text == "*" &&
            tokens_[pos_ + 1].kind == Token::Kind::End) {
            ++pos_;
            e.sql = "*";
            e.star = true;
        } else {
            e = Or();
            if (e.star && !allowStar) throw Refusal{"an expression it cannot read"};
        }
        if (Peek().kind != Token::Kind::End) throw Refusal{"an expression it cannot read"};
        return e;
    }

  private:
    const Token& Peek(std::size_t ahead = 0) const {
        return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
    }
    bool Keyword(const char* word, std::size_t ahead = 0) const {
        const Token& t = Peek(ahead);
        return t.kind == Token::Kind::Word && Upper(t.text) == word;
    }
    bool Symbol(const char* symbol) const {
        return Peek().kind == Token::Kind::Symbol && Peek().text == symbol;
    }
    void Expect(const char* symbol) {
        if (!Symbol(symbol)) throw Refusal{"an expression it cannot read"};
        ++pos_;
    }

    static Expr Bool(std::string sql) {
        Expr e;
        e.sql = std::move(sql);
        e.type = ValueType::Boolean;
        return e;
    }
    static bool Logical(const Expr& e) {
        return e.type == ValueType::Boolean || e.type == ValueType::Null;
    }

    Expr Or() {
        Expr left = And();
        while (Keyword("OR") || Keyword("XOR") || Keyword("EQV") || Keyword("IMP")) {
            if (!Keyword("OR")) throw Refusal{"the operator " + Peek().text};
            ++pos_;
            Expr right = And();
            if (!Logical(left) || !Logical(right))
                throw Refusal{"Or on numbers (bitwise in Access)"};
            left = Bool("(" + left.sql + " OR " + right.sql + ")");
        }
        return left;
    }
    Expr And() {
        Expr left = Not();
        while (Keyword("AND")) {
            ++pos_;
            Expr right = Not();
            if (!Logical(left) || !Logical(right))
                throw Refusal{"And on numbers (bitwise in Access)"};
            left = Bool("(" + left.sql + " AND " + right.sql + ")");
        }
        return left;
    }
    Expr Not() {
        if (Keyword("NOT")) {
            ++pos_;
            Expr e = Not();
            if (!Logical(e)) throw Refusal{"Not on a number (bitwise in Access)"};
            return Bool("(NOT " + e.sql + ")");
        }
        return Comparison();
    }

    // The two sides of a comparison, made comparable the way Jet compares them; throws
    // when they are of kinds Jet would convert between.
    void Comparable(Expr& left, Expr& right, const std::string& op) {
        auto boolAgainstNumber = [&](Expr& number) {
            // Yes is stored as 1 (Jet's True is -1): an equality test against a number
            // literal compares with the stored form; an ordering cannot be kept.
            if (op != "=" && op != "<>") throw Refusal{"orders a Yes/No value against a number"};
            number.sql = *number.number != 0 ? "1" : "0";
        };
        const ValueType l = left.type, r = right.type;
        if (l == ValueType::Unknown || r == ValueType::Unknown || l == ValueType::Null ||
            r == ValueType::Null)
            return;
        if (Numeric(l) && Numeric(r)) return;
        if (l == r) {
            if (l == ValueType::Boolean && op != "=" && op != "<>")
                throw Refusal{"orders Yes/No values (Yes is -1 in Access)"};
            if (l == ValueType::Blob) throw Refusal{"compares binary data"};
            return;
        }
        if (l == ValueType::Boolean && right.number) return boolAgainstNumber(right);
        if (r == ValueType::Boolean && left.number) return boolAgainstNumber(left);
        throw Refusal{std::string("compares ") + TypeName(l) + " with " + TypeName(r)};
    }
    // Text comparisons ignore letter case, as Jet's do: the collation, given on the left
    // side, governs the comparison.
    static std::string Collated(const Expr& left, const Expr& right) {
        return left.type == ValueType::Text || right.type == ValueType::Text ? " COLLATE NOCASE"
                                                                             : "";
    }

    Expr Comparison() {
        Expr left = Concat();
        static constexpr const char* kOps[] = {"=", "<>", "<", ">", "<=", ">="};
        for (const char* op : kOps) {
            if (!Symbol(op)) continue;
            ++pos_;
            Expr right = Concat();
            Comparable(left, right, op);
            return Bool("(" + left.sql + Collated(left, right) + " " + op + " " + right.sql + ")");
        }
        if (Keyword("IS")) {
            ++pos_;
            bool negated = false;
            if (Keyword("NOT")) {
                negated = true;
                ++pos_;
            }
            if (!Keyword("NULL")) throw Refusal{"an expression it cannot read"};
            ++pos_;
            return Bool("(" + left.sql + (negated ? " IS NOT NULL)" : " IS NULL)"));
        }
        bool negated = false;
        if (Keyword("NOT") && (Keyword("LIKE", 1) || Keyword("BETWEEN", 1) || Keyword("IN", 1))) {
            negated = true;
            ++pos_;
        }
        const std::string no = negated ? " NOT" : "";
        if (Keyword("LIKE")) {
            ++pos_;
            Expr pattern = Concat();
            if (!pattern.literal || pattern.type != ValueType::Text)
                throw Refusal{"Like with a pattern that is not a text"};
            if (left.type != ValueType::Text && left.type != ValueType::Unknown)
                throw Refusal{std::string("Like on ") + TypeName(left.type)};
            return Bool("(" + left.sql + no + " LIKE " + LikePattern(*pattern.literal) +
                        " ESCAPE '\\')");
        }
        if (Keyword("BETWEEN")) {
            ++pos_;
            Expr low = Concat();
            if (!Keyword("AND")) throw Refusal{"an expression it cannot read"};
            ++pos_;
            Expr high = Concat();
            Comparable(left, low, "<");
            Comparable(left, high, "<");
            // Jet takes the two bounds in either order.
            std::string bounds;
            if ((low.number && high.number) || (low.literal && high.literal)) {
                const bool swap =
                    low.number ? *low.number > *high.number : *low.literal > *high.literal;
                if (swap) std::swap(low, high);
                bounds = low.sql + " AND " + high.sql;
            } else {
                bounds = "min(" + low.sql + ", " + high.sql + ") AND max(" + low.sql + ", " +
                         high.sql + ")";
            }
            return Bool("(" + left.sql + Collated(left, low) + no + " BETWEEN " + bounds + ")");
        }
        if (Keyword("IN")) {
            ++pos_;
            Expect("(");
            if (Keyword("SELECT")) throw Refusal{"a subquery"};
            std::string items;
            for (;;) {
                Expr item = Concat();
                Comparable(left, item, "=");
                items += (items.empty() ? "" : ", ") + item.sql;
                if (!Symbol(",")) break;
                ++pos_;
            }
            Expect(")");
            return Bool("(" + left.sql + Collated(left, left) + no + " IN (" + items + "))");
        }
        return left;
    }

    // A Like pattern of Access (* any run, ? any character) as one of SQLite.
    static std::string LikePattern(const std::string& pattern) {
        std::string out;
        for (char c : pattern) {
            if (c == '*') {
                out += '%';
            } else if (c == '?') {
                out += '_';
            } else if (c == '#' || c == '[') {
                throw Refusal{"a Like pattern with # or [ ]"};
            } else {
                if (c == '%' || c == '_' || c == '\\') out += '\\';
                out += c;
            }
        }
        return SqlText(out);
    }

    Expr Concat() {
        Expr left = Additive();
        while (Symbol("&")) {
            ++pos_;
            Expr right = Additive();
            for (const Expr* e : {&left, &right})
                if (e->type != ValueType::Text && e->type != ValueType::Integer &&
                    e->type != ValueType::Null)
                    throw Refusal{std::string("& on ") + TypeName(e->type) +
                                  " (Access writes it in its own format)"};
            // & treats a Null as an empty text, unless both sides are Null.
            Expr e;
            e.sql = "(CASE WHEN " + left.sql + " IS NULL AND " + right.sql +
                    " IS NULL THEN NULL ELSE COALESCE(" + left.sql + ", '') || COALESCE(" +
                    right.sql + ", '') END)";
            e.type = ValueType::Text;
            e.aggregate = left.aggregate || right.aggregate;
            left = e;
        }
        return left;
    }

    static Expr Arithmetic(const Expr& left, const Expr& right, const std::string& sql,
                           ValueType type) {
        Expr e;
        e.sql = sql;
        e.type = type;
        e.aggregate = left.aggregate || right.aggregate;
        return e;
    }
    static void NeedNumbers(const Expr& left, const Expr& right, const std::string& op) {
        for (const Expr* e : {&left, &right})
            if (!Numeric(e->type) && e->type != ValueType::Null && e->type != ValueType::Unknown)
                throw Refusal{op + " on " + TypeName(e->type)};
    }
    static ValueType Wider(const Expr& a, const Expr& b) {
        return a.type == ValueType::Real || b.type == ValueType::Real ? ValueType::Real
                                                                      : ValueType::Integer;
    }

    Expr Additive() {
        Expr left = Modulo();
        while (Symbol("+") || Symbol("-")) {
            const std::string op = Peek().text;
            ++pos_;
            Expr right = Modulo();
            if (op == "+" && left.type == ValueType::Text && right.type == ValueType::Text) {
                left = Arithmetic(left, right, "(" + left.sql + " || " + right.sql + ")",
                                  ValueType::Text);
                continue;
            }
            NeedNumbers(left, right, op);
            left = Arithmetic(left, right, "(" + left.sql + " " + op + " " + right.sql + ")",
                              Wider(left, right));
        }
        return left;
    }
    Expr Modulo() {
        Expr left = Multiplicative();
        while (Keyword("MOD") || Symbol("\\")) {
            if (Symbol("\\")) throw Refusal{"integer division (\\)"};
            ++pos_;
            Expr right = Multiplicative();
            if (left.type != ValueType::Integer || right.type != ValueType::Integer)
                throw Refusal{"Mod on numbers that are not whole"};
            left = Arithmetic(left, right, "(" + left.sql + " % " + right.sql + ")",
                              ValueType::Integer);
        }
        return left;
    }
    Expr Multiplicative() {
        Expr left = Unary();
        while (Symbol("*") || Symbol("/")) {
            const std::string op = Peek().text;
            ++pos_;
            Expr right = Unary();
            NeedNumbers(left, right, op);
            if (op == "/")  // always a division of reals in Access
                left =
                    Arithmetic(left, right, "(CAST(" + left.sql + " AS REAL) / " + right.sql + ")",
                               ValueType::Real);
            else
                left = Arithmetic(left, right, "(" + left.sql + " * " + right.sql + ")",
                                  Wider(left, right));
        }
        return left;
    }
    Expr Unary() {
        if (Symbol("-") || Symbol("+")) {
            const std::string op = Peek().text;
            ++pos_;
            Expr e = Unary();
            if (!Numeric(e.type) && e.type != ValueType::Null && e.type != ValueType::Unknown)
                throw Refusal{"a sign on " + std::string(TypeName(e.type))};
            if (op == "-") {
                e.sql = "(-" + e.sql + ")";
                if (e.number) e.number = -*e.number;
            }
            return e;
        }
        Expr e = Primary();
        if (Symbol("^")) throw Refusal{"the operator ^"};
        return e;
    }

    Expr Primary() {
        const Token t = Peek();
        Expr e;
        switch (t.kind) {
            case Token::Kind::Number: {
                ++pos_;
                e.sql = t.text[0] == '.' ? "0" + t.text : t.text;
                const bool whole = t.text.find_first_of(".eE") == std::string::npos;
                e.type = whole && t.text.size() < 19 ? ValueType::Integer : ValueType::Real;
                e.number = std::strtod(t.text.c_str(), nullptr);
                return e;
            }
            case Token::Kind::String:
                ++pos_;
                e.sql = SqlText(t.text);
                e.type = ValueType::Text;
                e.literal = t.text;
                return e;
            case Token::Kind::Date: {
                ++pos_;
                std::string value;
                if (!ParseDateLiteral(t.text, value))
                    throw Refusal{"the date #" + t.text + "#, which it cannot read"};
                e.sql = SqlText(value);
                e.type = ValueType::Date;
                e.literal = value;
                return e;
            }
            case Token::Kind::Symbol:
                if (t.text == "(") {
                    ++pos_;
                    if (Keyword("SELECT")) throw Refusal{"a subquery"};
                    e = Or();
                    Expect(")");
                    e.sql = "(" + e.sql + ")";
                    e.column.clear();
                    return e;
                }
                throw Refusal{"an expression it cannot read"};
            case Token::Kind::Word: {
                const std::string word = Upper(t.text);
                if (word == "TRUE" || word == "YES" || word == "ON" || word == "FALSE" ||
                    word == "NO" || word == "OFF") {
                    ++pos_;
                    const bool yes = word == "TRUE" || word == "YES" || word == "ON";
                    e = Bool(yes ? "1" : "0");
                    e.number = yes ? 1 : 0;
                    return e;
                }
                if (word == "NULL") {
                    ++pos_;
                    e.sql = "NULL";
                    e.type = ValueType::Null;
                    return e;
                }
                if (word == "SELECT") throw Refusal{"a subquery"};
                if (Peek(1).kind == Token::Kind::Symbol && Peek(1).text == "(") return Call();
                return Name();
            }
            case Token::Kind::Bracketed:
                return Name();
            case Token::Kind::End:
                break;
        }
        throw Refusal{"an expression it cannot read"};
    }

    Expr Call() {
        const std::string name = Peek().text;
        const std::string upper = Upper(name);
        pos_ += 2;  // the name and "("
        static const std::set<std::string> kAggregates = {"SUM", "AVG", "COUNT", "MIN", "MAX"};
        if (!kAggregates.count(upper)) throw Refusal{"the Access function " + name + "()"};
        if (!allowAggregate_) throw Refusal{name + "() where Access allows no totals"};
        if (inAggregate_) throw Refusal{"a total of a total"};
        Expr e;
        if (upper == "COUNT" && Symbol("*")) {
            ++pos_;
            Expect(")");
            e.sql = "COUNT(*)";
            e.type = ValueType::Integer;
            e.aggregate = true;
            return e;
        }
        inAggregate_ = true;
        Expr argument = Or();
        inAggregate_ = false;
        if (Symbol(",")) throw Refusal{name + "() with more than one value"};
        Expect(")");
        e.sql = upper + "(" + argument.sql + ")";
        e.aggregate = true;
        if (upper == "COUNT") {
            e.type = ValueType::Integer;
        } else if (upper == "AVG") {
            if (!Numeric(argument.type) && argument.type != ValueType::Unknown)
                throw Refusal{"Avg() of " + std::string(TypeName(argument.type))};
            e.type = ValueType::Real;
        } else if (upper == "SUM") {
            if (!Numeric(argument.type) && argument.type != ValueType::Unknown)
                throw Refusal{"Sum() of " + std::string(TypeName(argument.type))};
            e.type = argument.type;
        } else {
            if (argument.type == ValueType::Boolean)
                throw Refusal{name + "() of Yes/No values (Yes is -1 in Access)"};
            e.type = argument.type;
        }
        return e;
    }

    // A name: a column of the query's table ("Name", "Table.Name", "Table.*"); anything
    // else is a parameter Access would ask for, or a reference to a form or report.
    Expr Name() {
        std::vector<std::string> parts;
        std::string written;
        bool bang = false;
        for (;;) {
            const Token& t = Peek();
            if (t.kind == Token::Kind::Word || t.kind == Token::Kind::Bracketed) {
                parts.push_back(t.text);
                written += "[" + t.text + "]";
                ++pos_;
            } else if (t.kind == Token::Kind::Symbol && t.text == "*" && !parts.empty() && !bang) {
                parts.push_back("*");
                written += "*";
                ++pos_;
                break;
            } else {
                throw Refusal{"an expression it cannot read"};
            }
            if (Symbol(".") || Symbol("!")) {
                if (Symbol("!")) bang = true;
                written += Peek().text;
                ++pos_;
                continue;
            }
            break;
        }
        if (bang) throw Refusal{"the form or report reference " + written};
        std::string column;
        if (parts.size() == 1) {
            column = parts[0];
        } else if (parts.size() == 2 &&
                   (SameName(parts[0], alias_) || SameName(parts[0], source_.name))) {
            column = parts[1];
        } else {
            throw Refusal{"the parameter " + written};
        }
        Expr e;
        if (column == "*") {
            e.sql = QuoteIdent(alias_) + ".*";
            e.star = true;
            return e;
        }
        for (const auto& c : source_.columns) {
            if (!SameName(c.name, column)) continue;
            e.sql = QuoteIdent(alias_) + "." + QuoteIdent(c.name);
            e.type = c.type;
            e.column = c.name;
            return e;
        }
        throw Refusal{"the parameter " + written};
    }

    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    const SourceInfo& source_;
    std::string alias_;
    bool allowAggregate_ = false;
    bool inAggregate_ = false;
};

std::string JoinNames(const std::vector<std::string>& names) {
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : ", ") + n;
    return out;
}

QueryTranslation Translate(std::vector<QueryRow>& rows,
                           const std::function<SourceInfo(std::string_view)>& lookup) {
    // The rows of one part keep their order (the Order column, else as stored).
    std::stable_sort(rows.begin(), rows.end(), [](const QueryRow& a, const QueryRow& b) {
        if (a.attribute != b.attribute) return a.attribute < b.attribute;
        return a.order < b.order;
    });
    std::map<int, std::vector<const QueryRow*>> parts;
    for (const auto& row : rows) parts[row.attribute].push_back(&row);
    auto part = [&](int attribute) -> const std::vector<const QueryRow*>& {
        static const std::vector<const QueryRow*> kNone;
        auto it = parts.find(attribute);
        return it == parts.end() ? kNone : it->second;
    };

    if (rows.empty()) throw Refusal{"the file holds no definition of it"};
    for (const auto& [attribute, list] : parts)
        if (attribute != 0 && (attribute < kType || attribute > kOrderBy) && attribute != kEnd)
            throw Refusal{"a part this converter does not know (" + std::to_string(attribute) +
                          ")"};
    const int type = part(kType).empty() ? 1 : part(kType).front()->flag;
    if (type != 1) throw Refusal{QueryKind(type)};
    if (!part(kRemoteDatabase).empty()) throw Refusal{"it reads another database"};
    if (!part(kParameter).empty()) {
        std::vector<std::string> names;
        for (const QueryRow* p : part(kParameter)) names.push_back("[" + p->name1 + "]");
        throw Refusal{
            (names.size() == 1 ? "it asks for the parameter " : "it asks for the parameters ") +
            JoinNames(names)};
    }
    const auto& tables = part(kTable);
    if (tables.size() != 1 || !part(kJoin).empty()) {
        if (tables.empty()) throw Refusal{"it reads no table"};
        std::vector<std::string> names;
        for (const QueryRow* t : tables)
            names.push_back(t->name1.empty() ? "a subquery" : "[" + t->name1 + "]");
        throw Refusal{"it joins " + std::to_string(tables.size()) + " tables (" + JoinNames(names) +
                      ")"};
    }
    const QueryRow& from = *tables.front();
    if (from.name1.empty() || !from.expression.empty())
        throw Refusal{"it reads a subquery or another database"};

    const SourceInfo source = lookup(from.name1);
    switch (source.kind) {
        case SourceInfo::Kind::Table:
        case SourceInfo::Kind::View:
            break;
        case SourceInfo::Kind::Pending:
            throw Needs{source.name};
        case SourceInfo::Kind::Skipped:
            throw Refusal{"it reads the query [" + source.name + "], which could not be made (" +
                          source.reason + ")"};
        case SourceInfo::Kind::SystemTable:
            throw Refusal{"it reads the system table [" + source.name + "]"};
        case SourceInfo::Kind::LinkedTable:
            throw Refusal{"it reads the linked table [" + source.name + "]"};
        case SourceInfo::Kind::Missing:
            throw Refusal{"it reads [" + from.name1 + "], which the file does not hold"};
    }
    const std::string alias = from.name2.empty() ? source.name : from.name2;

    int flags = 0;
    std::string top;
    if (!part(kFlags).empty()) {
        flags = part(kFlags).front()->flag;
        top = part(kFlags).front()->name1;
    }
    if (flags & kPercent) throw Refusal{"TOP " + top + " PERCENT"};
    const bool distinct = (flags & kDistinct) != 0;
    const bool hasTop = (flags & kTop) != 0;
    if (hasTop && (top.empty() || top.find_first_not_of("0123456789") != std::string::npos))
        throw Refusal{"TOP " + top};

    QueryTranslation result;
    // The columns, each named as Access names it: its alias, the column's own name, or
    // Expr1000, Expr1001 and so on.
    std::string select;
    int unnamed = 0;
    auto addStar = [&](const std::string& sql) {
        select += (select.empty() ? "" : ", ") + sql;
        for (const auto& c : source.columns) result.columns.push_back(c);
    };
    bool aggregates = false;
    if (flags & kSelectStar) addStar(QuoteIdent(alias) + ".*");
    for (const QueryRow* c : part(kColumn)) {
        Expr e = ExprParser(c->expression, source, alias).Whole(true, true);
        aggregates = aggregates || e.aggregate;
        if (e.star) {
            addStar(e.sql);
            continue;
        }
        std::string name = c->name1;
        if (name.empty())
            name = e.column.empty() ? "Expr" + std::to_string(1000 + unnamed++) : e.column;
        select += (select.empty() ? "" : ", ") + e.sql + " AS " + QuoteIdent(name);
        result.columns.push_back({name, e.type});
    }
    if (select.empty()) throw Refusal{"it selects no columns"};

    std::string where, groupBy, having, orderBy;
    if (!part(kWhere).empty()) {
        Expr e = ExprParser(part(kWhere).front()->expression, source, alias).Whole(false);
        where = e.sql;
    }
    for (const QueryRow* g : part(kGroupBy)) {
        Expr e = ExprParser(g->expression, source, alias).Whole(false);
        groupBy += (groupBy.empty() ? "" : ", ") + e.sql;
    }
    if (!part(kHaving).empty()) {
        Expr e = ExprParser(part(kHaving).front()->expression, source, alias).Whole(true);
        having = e.sql;
    }
    for (const QueryRow* o : part(kOrderBy)) {
        Expr e = ExprParser(o->expression, source, alias).Whole(true);
        bool descending = Upper(o->name1) == "D";
        // Access stores Yes as -1, which sorts before No (0); here Yes is 1.
        if (e.type == ValueType::Boolean) descending = !descending;
        std::string term = e.sql;
        if (e.type == ValueType::Text && e.column.empty()) term += " COLLATE NOCASE";
        orderBy += (orderBy.empty() ? "" : ", ") + term + (descending ? " DESC" : "");
    }
    if (!having.empty() && groupBy.empty() && !aggregates) throw Refusal{"HAVING without totals"};

    const std::string fromSql = QuoteIdent(source.name) + " AS " + QuoteIdent(alias);
    std::string sql = std::string("SELECT ") + (distinct ? "DISTINCT " : "");
    if (hasTop && !orderBy.empty()) {
        // TOP n of Access keeps the rows that tie with the n-th.
        if (distinct) throw Refusal{"TOP together with DISTINCT"};
        if (!groupBy.empty() || aggregates) throw Refusal{"TOP together with totals"};
        sql += select + " FROM (SELECT *, rank() OVER (ORDER BY " + orderBy +
               ") AS \"Jet top rank\" FROM " + fromSql + (where.empty() ? "" : " WHERE " + where) +
               ") AS " + QuoteIdent(alias) + " WHERE \"Jet top rank\" <= " + top + " ORDER BY " +
               orderBy;
    } else {
        sql += select + " FROM " + fromSql;
        if (!where.empty()) sql += " WHERE " + where;
        if (!groupBy.empty()) sql += " GROUP BY " + groupBy;
        if (!having.empty()) sql += " HAVING " + having;
        if (!orderBy.empty()) sql += " ORDER BY " + orderBy;
        if (hasTop) sql += " LIMIT " + top;
    }
    result.status = QueryTranslation::Status::Made;
    result.sql = sql;
    return result;
}

}  // namespace

bool ParseDateLiteral(std::string_view text, std::string& out) {
    // Numbers and separators: a date (month/day/year, or year-month-day) and a time.
    std::vector<long> numbers;
    std::vector<char> separators;
    bool pm = false, am = false;
    std::size_t i = 0;
    auto space = [&] {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    };
    space();
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isdigit(c)) {
            long value = 0;
            std::size_t digits = 0;
            while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
                if (++digits > 4) return false;
                value = value * 10 + (text[i++] - '0');
            }
            numbers.push_back(digits == 4 ? value : (digits <= 2 ? value : -1));
            if (numbers.back() < 0) return false;
            if (digits == 4) numbers.back() += 100000;  // a four-digit year, marked
        } else if (c == '/' || c == '-' || c == ':') {
            separators.push_back(static_cast<char>(c));
            ++i;
        } else if (std::isspace(c)) {
            separators.push_back(' ');
            space();
        } else {
            const std::string rest = Upper(text.substr(i));
            if (rest == "AM" || rest == "PM") {
                (rest == "PM" ? pm : am) = true;
                break;
            }
            return false;
        }
    }
    // Split into the date part (joined by / or -) and the time part (joined by :).
    long year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
    std::size_t n = 0;
    auto isYear4 = [](long v) { return v >= 100000; };
    const bool hasDate = !separators.empty() && (separators[0] == '/' || separators[0] == '-');
    if (hasDate) {
        if (numbers.size() < 3 || separators.size() < 2 || separators[1] != separators[0])
            return false;
        long a = numbers[0], b = numbers[1], c = numbers[2];
        if (isYear4(a)) {
            year = a - 100000, month = b, day = c;
        } else {
            month = a, day = b;
            year = isYear4(c) ? c - 100000 : (c < 30 ? 2000 + c : 1900 + c);
        }
        if (isYear4(month) || isYear4(day)) return false;
        n = 3;
        if (n < numbers.size() && (separators.size() < 3 || separators[2] != ' ')) return false;
    }
    if (n < numbers.size()) {
        const std::size_t timeParts = numbers.size() - n;
        if (timeParts < 2 || timeParts > 3) return false;
        hour = numbers[n];
        minute = numbers[n + 1];
        second = timeParts == 3 ? numbers[n + 2] : 0;
        for (std::size_t k = n; k < numbers.size(); ++k)
            if (isYear4(numbers[k])) return false;
    } else if (!hasDate || pm || am) {
        return false;
    }
    if (pm || am) {
        if (hour < 1 || hour > 12) return false;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > kDays[month - 1] + (month == 2 && leap ? 1 : 0) || hour > 23 || minute > 59 ||
        second > 59)
        return false;
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%04ld-%02ld-%02ld %02ld:%02ld:%02ld", year, month, day,
                  hour, minute, second);
    out = buffer;
    return true;
}

QueryTranslation TranslateQuery(std::vector<QueryRow> rows,
                                const std::function<SourceInfo(std::string_view)>& lookup) {
    try {
        return Translate(rows, lookup);
    } catch (const Refusal& r) {
        QueryTranslation t;
        t.reason = r.reason;
        return t;
    } catch (const Needs& n) {
        QueryTranslation t;
        t.status = QueryTranslation::Status::NeedsQuery;
        t.needs = n.name;
        return t;
    }
}

std::vector<QueryOutcome> TranslateQueries(
    const std::vector<std::string>& names,
    const std::function<std::vector<QueryRow>(const std::string&)>& rowsOf,
    const std::function<SourceInfo(std::string_view)>& tableLookup,
    const std::function<bool(const std::string&, const std::string&, std::string&)>& make) {
    enum class State { Pending, Working, Made, Skipped };
    struct Entry {
        State state = State::Pending;
        QueryOutcome outcome;
        std::vector<OutputColumn> columns;
    };
    std::map<std::string, Entry> entries;  // by upper-case name
    for (const auto& name : names) entries[Upper(name)].outcome.name = name;

    auto lookup = [&](std::string_view name) -> SourceInfo {
        auto it = entries.find(Upper(name));
        if (it == entries.end()) return tableLookup(name);
        SourceInfo info;
        info.name = it->second.outcome.name;
        switch (it->second.state) {
            case State::Made:
                info.kind = SourceInfo::Kind::View;
                info.columns = it->second.columns;
                break;
            case State::Skipped:
                info.kind = SourceInfo::Kind::Skipped;
                info.reason = it->second.outcome.reason;
                break;
            case State::Pending:
                info.kind = SourceInfo::Kind::Pending;
                break;
            case State::Working:  // a query that reads itself through others
                info.kind = SourceInfo::Kind::Skipped;
                info.reason = "it reads itself";
                break;
        }
        return info;
    };

    std::function<void(Entry&)> resolve = [&](Entry& entry) {
        if (entry.state != State::Pending) return;
        entry.state = State::Working;
        for (;;) {
            QueryTranslation t = TranslateQuery(rowsOf(entry.outcome.name), lookup);
            if (t.status == QueryTranslation::Status::NeedsQuery) {
                resolve(entries[Upper(t.needs)]);
                continue;
            }
            if (t.status == QueryTranslation::Status::Made) {
                std::string reason;
                if (make(entry.outcome.name, t.sql, reason)) {
                    entry.state = State::Made;
                    entry.outcome.made = true;
                    entry.outcome.sql = t.sql;
                    entry.columns = t.columns;
                    return;
                }
                t.reason = "SQLite refused its translation: " + reason;
            }
            entry.state = State::Skipped;
            entry.outcome.reason = t.reason;
            return;
        }
    };
    std::vector<QueryOutcome> outcomes;
    for (const auto& name : names) {
        Entry& entry = entries[Upper(name)];
        resolve(entry);
        outcomes.push_back(entry.outcome);
    }
    return outcomes;
}

}  // namespace OrvaneLib::jet
