// Equations are parsed as C expressions by a small recursive-descent parser
// over the conditional-expression grammar, restricted to what a model needs.
// Anything the parser does not know is refused, so no text that could end the
// expression, declare something or reach outside the generated function
// passes into the list source.
#include "models/equation_check.h"

#include "models/model_record.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace {

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameStart(char c) { return isAsciiLetter(c) || c == '_'; }
bool isNamePart(char c) { return isNameStart(c) || isDigit(c); }

struct MathFunction {
    std::string_view name;
    int arity;
};

// Functions of <math.h> that take and return doubles only.
constexpr std::array kMathFunctions{
    MathFunction{"sin", 1},       MathFunction{"cos", 1},      MathFunction{"tan", 1},
    MathFunction{"asin", 1},      MathFunction{"acos", 1},     MathFunction{"atan", 1},
    MathFunction{"atan2", 2},     MathFunction{"sinh", 1},     MathFunction{"cosh", 1},
    MathFunction{"tanh", 1},      MathFunction{"asinh", 1},    MathFunction{"acosh", 1},
    MathFunction{"atanh", 1},     MathFunction{"exp", 1},      MathFunction{"exp2", 1},
    MathFunction{"expm1", 1},     MathFunction{"log", 1},      MathFunction{"log10", 1},
    MathFunction{"log2", 1},      MathFunction{"log1p", 1},    MathFunction{"logb", 1},
    MathFunction{"pow", 2},       MathFunction{"sqrt", 1},     MathFunction{"cbrt", 1},
    MathFunction{"hypot", 2},     MathFunction{"fabs", 1},     MathFunction{"floor", 1},
    MathFunction{"ceil", 1},      MathFunction{"trunc", 1},    MathFunction{"round", 1},
    MathFunction{"nearbyint", 1}, MathFunction{"rint", 1},     MathFunction{"fmod", 2},
    MathFunction{"remainder", 2}, MathFunction{"fmin", 2},     MathFunction{"fmax", 2},
    MathFunction{"fdim", 2},      MathFunction{"fma", 3},      MathFunction{"copysign", 2},
    MathFunction{"nextafter", 2}, MathFunction{"erf", 1},      MathFunction{"erfc", 1},
    MathFunction{"tgamma", 1},    MathFunction{"lgamma", 1},
};

const MathFunction* findMathFunction(std::string_view name)
{
    for (const MathFunction& function : kMathFunctions) {
        if (function.name == name)
            return &function;
    }
    return nullptr;
}

// An integer literal with a leading zero ("010", "08"): C reads it as octal,
// so it would not mean the decimal number it looks like (or not compile). A
// leading zero before a decimal point or an exponent is harmless ("00.5").
bool isOctalLiteral(std::string_view number)
{
    return number.size() > 1 && number[0] == '0' &&
           number.find_first_not_of("0123456789") == std::string_view::npos;
}

enum class TokenKind { Number, Name, Operator, End };

struct Token {
    TokenKind kind;
    std::string text;
};

// Operators a C expression may contain but an equation may not, with why.
struct RefusedOperator {
    std::string_view text;
    EquationFaultKind reason;
};

// Longer operators first, so that "==" is not taken for "=" and so on.
constexpr std::array kRefusedOperators{
    RefusedOperator{"//", EquationFaultKind::Comment},
    RefusedOperator{"/*", EquationFaultKind::Comment},
    RefusedOperator{"<<", EquationFaultKind::Bitwise},
    RefusedOperator{">>", EquationFaultKind::Bitwise},
    RefusedOperator{"++", EquationFaultKind::Increment},
    RefusedOperator{"--", EquationFaultKind::Increment},
    RefusedOperator{"->", EquationFaultKind::Arrow},
    RefusedOperator{"+=", EquationFaultKind::Assignment},
    RefusedOperator{"-=", EquationFaultKind::Assignment},
    RefusedOperator{"*=", EquationFaultKind::Assignment},
    RefusedOperator{"/=", EquationFaultKind::Assignment},
};

constexpr std::array<std::string_view, 6> kTwoCharOperators{"&&", "||", "==", "!=", "<=", ">="};
constexpr std::string_view kOneCharOperators = "+-*/(),?:<>!";

EquationFault refusedCharacter(char c)
{
    switch (c) {
    case '=':
        return {EquationFaultKind::Assignment};
    case '%':
        return {EquationFaultKind::Remainder};
    case '&':
    case '|':
    case '^':
    case '~':
        return {EquationFaultKind::Bitwise};
    default:
        break;
    }
    if (static_cast<unsigned char>(c) >= 0x80)
        return {EquationFaultKind::NotSingleByte};
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
        return {EquationFaultKind::ControlCharacter};
    return {EquationFaultKind::BadCharacter, std::string(1, c)};
}

// Splits an equation into tokens; sets error when it holds anything that is
// not part of an allowed expression.
std::vector<Token> tokenize(std::string_view text, std::optional<EquationFault>& error)
{
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < text.size() && !error) {
        const char c = text[i];
        const std::string_view rest = text.substr(i);
        if (c == ' ' || c == '\t') {
            ++i;
        } else if (isDigit(c) || (c == '.' && rest.size() > 1 && isDigit(rest[1]))) {
            std::size_t end = i;
            while (end < text.size() && isDigit(text[end]))
                ++end;
            if (end < text.size() && text[end] == '.')
                ++end;
            while (end < text.size() && isDigit(text[end]))
                ++end;
            if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
                std::size_t digits = end + 1;
                if (digits < text.size() && (text[digits] == '+' || text[digits] == '-'))
                    ++digits;
                if (digits < text.size() && isDigit(text[digits])) {
                    end = digits;
                    while (end < text.size() && isDigit(text[end]))
                        ++end;
                }
            }
            const std::string_view number = text.substr(i, end - i);
            if (end < text.size() && (isNamePart(text[end]) || text[end] == '.')) {
                while (end < text.size() && (isNamePart(text[end]) || text[end] == '.'))
                    ++end;
                error = EquationFault{EquationFaultKind::BadNumber, std::string(text.substr(i, end - i))};
            } else if (isOctalLiteral(number)) {
                error = EquationFault{EquationFaultKind::LeadingZero, std::string(number)};
            }
            tokens.push_back({TokenKind::Number, std::string(number)});
            i = end;
        } else if (isNameStart(c)) {
            std::size_t end = i;
            while (end < text.size() && isNamePart(text[end]))
                ++end;
            tokens.push_back({TokenKind::Name, std::string(text.substr(i, end - i))});
            i = end;
        } else {
            const auto refused = std::find_if(
                kRefusedOperators.begin(), kRefusedOperators.end(),
                [&](const RefusedOperator& op) { return rest.starts_with(op.text); });
            const auto twoChar = std::find_if(kTwoCharOperators.begin(), kTwoCharOperators.end(),
                                              [&](std::string_view op) { return rest.starts_with(op); });
            if (refused != kRefusedOperators.end()) {
                error = EquationFault{refused->reason};
            } else if (twoChar != kTwoCharOperators.end()) {
                tokens.push_back({TokenKind::Operator, std::string(*twoChar)});
                i += 2;
            } else if (kOneCharOperators.find(c) != std::string_view::npos) {
                tokens.push_back({TokenKind::Operator, std::string(1, c)});
                ++i;
            } else {
                error = refusedCharacter(c);
            }
        }
    }
    tokens.push_back({TokenKind::End, {}});
    return tokens;
}

std::string usableNames(int dimension, int parameterCount)
{
    std::string names;
    for (int k = 0; k < dimension; ++k)
        names += std::string(names.empty() ? "" : ", ") + variableLetter(k);
    for (int k = 0; k < parameterCount; ++k)
        names += std::string(names.empty() ? "" : ", ") + parameterLetter(k);
    return names;
}

// Recursive descent over: conditional := binary ['?' conditional ':' conditional];
// binary levels || && (== !=) (< > <= >=) (+ -) (* /); unary := (+ - !) unary |
// primary; primary := number | letter | function '(' arguments ')' | '(' conditional ')'.
class ExpressionParser {
public:
    ExpressionParser(const std::vector<Token>& tokens, int dimension, int parameterCount)
        : tokens_(tokens), dimension_(dimension), parameterCount_(parameterCount) {}

    std::optional<EquationFault> parse()
    {
        if (conditional() && peek().kind != TokenKind::End)
            fail(trailingFault());
        return error_;
    }

private:
    static constexpr std::array<std::array<std::string_view, 4>, 6> kLevels{{
        {"||"}, {"&&"}, {"==", "!="}, {"<", ">", "<=", ">="}, {"+", "-"}, {"*", "/"},
    }};

    static constexpr int kMaxNesting = 200;

    const Token& peek() const { return tokens_[position_]; }

    bool isOperator(std::string_view text) const
    {
        return peek().kind == TokenKind::Operator && peek().text == text;
    }

    bool fail(EquationFault fault)
    {
        if (!error_)
            error_ = std::move(fault);
        return false;
    }

    bool expect(std::string_view text)
    {
        if (isOperator(text)) {
            ++position_;
            return true;
        }
        if (peek().kind == TokenKind::End)
            return fail({EquationFaultKind::Missing, {}, std::string(text)});
        return fail({EquationFaultKind::Misplaced, peek().text, std::string(text)});
    }

    EquationFault trailingFault() const
    {
        if (isOperator(")"))
            return {EquationFaultKind::UnmatchedClose};
        if (isOperator(","))
            return {EquationFaultKind::StrayComma};
        return {EquationFaultKind::OperatorNeeded, peek().text};
    }

    // Each parenthesis, function argument and conditional branch nests one
    // level deeper; the depth is bounded so that no equation can exhaust the
    // stack here (or the compiler's limits later).
    bool conditional()
    {
        if (depth_ == kMaxNesting)
            return fail({EquationFaultKind::TooDeep});
        ++depth_;
        const bool parsed = conditionalBody();
        --depth_;
        return parsed;
    }

    bool conditionalBody()
    {
        if (!binary(0))
            return false;
        if (!isOperator("?"))
            return true;
        ++position_;
        return conditional() && expect(":") && conditional();
    }

    bool binary(std::size_t level)
    {
        if (level == kLevels.size())
            return unary();
        if (!binary(level + 1))
            return false;
        while (peek().kind == TokenKind::Operator &&
               std::find(kLevels[level].begin(), kLevels[level].end(), peek().text) !=
                   kLevels[level].end()) {
            ++position_;
            if (!binary(level + 1))
                return false;
        }
        return true;
    }

    bool unary()
    {
        while (isOperator("+") || isOperator("-") || isOperator("!"))
            ++position_;
        return primary();
    }

    bool primary()
    {
        const Token& token = peek();
        switch (token.kind) {
        case TokenKind::Number:
            ++position_;
            return true;
        case TokenKind::Name:
            return name();
        case TokenKind::End:
            return fail({EquationFaultKind::Unfinished});
        case TokenKind::Operator:
            break;
        }
        if (isOperator("(")) {
            ++position_;
            return conditional() && expect(")");
        }
        return fail({EquationFaultKind::NoValue, token.text});
    }

    bool isUsableLetter(std::string_view name) const
    {
        if (name.size() != 1)
            return false;
        for (int k = 0; k < dimension_; ++k) {
            if (name[0] == variableLetter(k))
                return true;
        }
        for (int k = 0; k < parameterCount_; ++k) {
            if (name[0] == parameterLetter(k))
                return true;
        }
        return false;
    }

    bool name()
    {
        const std::string name = peek().text;
        ++position_;
        if (isUsableLetter(name))
            return true;
        const MathFunction* function = findMathFunction(name);
        if (function == nullptr) {
            return fail({EquationFaultKind::UnknownName, name,
                         usableNames(dimension_, parameterCount_)});
        }
        if (!isOperator("("))
            return fail({EquationFaultKind::NoCall, name});
        ++position_;
        int arguments = 0;
        do {
            if (arguments > 0)
                ++position_;
            if (!conditional())
                return false;
            ++arguments;
        } while (isOperator(","));
        if (!expect(")"))
            return false;
        if (arguments != function->arity) {
            return fail({EquationFaultKind::ArgumentCount, name, {}, function->arity});
        }
        return true;
    }

    const std::vector<Token>& tokens_;
    std::size_t position_ = 0;
    int depth_ = 0;
    int dimension_;
    int parameterCount_;
    std::optional<EquationFault> error_;
};

}  // namespace

bool isValidModelName(std::string_view name)
{
    if (name.empty() || !isNameStart(name.front()))
        return false;
    return std::all_of(name.begin(), name.end(), isNamePart);
}

std::optional<EquationFault> checkEquation(std::string_view equation, int dimension,
                                          int parameterCount)
{
    std::optional<EquationFault> error;
    const std::vector<Token> tokens = tokenize(equation, error);
    if (error)
        return error;
    if (tokens.size() == 1)
        return EquationFault{EquationFaultKind::Empty};
    return ExpressionParser(tokens, std::clamp(dimension, 0, kMaxVariables),
                            std::clamp(parameterCount, 0, kMaxParameters))
        .parse();
}

std::optional<Failure> checkModelEquations(const ModelRecord& record)
{
    const int used = std::min(std::max(record.Dimension, 0), kMaxVariables);
    for (int k = 0; k < used; ++k) {
        if (auto fault = checkEquation(record.Function[k], record.Dimension, record.Parameter)) {
            Failure failure{FailureKind::EquationRefused};
            failure.name = record.ModelName;
            failure.equation = k;
            failure.fault = std::move(*fault);
            return failure;
        }
    }
    return std::nullopt;
}
