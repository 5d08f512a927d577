// Perl: sigils, quote-like operators, patterns, here-documents and POD.
#include "highlight/HighlightSupport.h"
#include "highlight/PerlHighlighter.h"

namespace lorivex::test {
namespace {

TEST(PerlHighlighter, VariablesAndInterpolation)
{
    TPerlHighlighter perl;
    EXPECT_EQ(ScanLine(perl, "my ($x, @list, %h) = ($#list, $1, $_, $Pkg::var); # init"),
              (Pieces{{K::Keyword, "my"}, {K::Operator, "("}, {K::Variable, "$x"}, {K::Operator, ","},
                      {K::Variable, "@list"}, {K::Operator, ","}, {K::Variable, "%h"}, {K::Operator, ")"},
                      {K::Operator, "="}, {K::Operator, "("}, {K::Variable, "$#list"}, {K::Operator, ","},
                      {K::Variable, "$1"}, {K::Operator, ","}, {K::Variable, "$_"}, {K::Operator, ","},
                      {K::Variable, "$Pkg::var"}, {K::Operator, ");"}, {K::Comment, "# init"}}));
    EXPECT_EQ(ScanLine(perl, "print \"Hi ${name}, @items\\n\" . 'no $var' . $n % 2;"),
              (Pieces{{K::Keyword, "print"}, {K::String, "\"Hi "}, {K::Variable, "${name}"}, {K::String, ", "},
                      {K::Variable, "@items"}, {K::String, "\\n\""}, {K::Operator, "."}, {K::String, "'no $var'"},
                      {K::Operator, "."}, {K::Variable, "$n"}, {K::Operator, "%"}, {K::Number, "2"},
                      {K::Operator, ";"}}));
}

TEST(PerlHighlighter, QuoteLikeOperatorsAndPatterns)
{
    TPerlHighlighter perl;
    EXPECT_EQ(ScanLine(perl, "my @w = qw(a b c); $s =~ s{foo}{bar}gi; $t =~ tr/a-z/A-Z/;"),
              (Pieces{{K::Keyword, "my"}, {K::Variable, "@w"}, {K::Operator, "="}, {K::String, "qw(a b c)"},
                      {K::Operator, ";"}, {K::Variable, "$s"}, {K::Operator, "=~"}, {K::Regex, "s{foo}{bar}gi"},
                      {K::Operator, ";"}, {K::Variable, "$t"}, {K::Operator, "=~"}, {K::Regex, "tr/a-z/A-Z/"},
                      {K::Operator, ";"}}));
    EXPECT_EQ(ScanLine(perl, "if ($x =~ /^\\d+$/ and split /,/, $y) { $z = $a / $b / 2 }"),
              (Pieces{{K::Keyword, "if"}, {K::Operator, "("}, {K::Variable, "$x"}, {K::Operator, "=~"},
                      {K::Regex, "/^\\d+$/"}, {K::Keyword, "and"}, {K::Keyword, "split"}, {K::Regex, "/,/"},
                      {K::Operator, ","}, {K::Variable, "$y"}, {K::Operator, ")"}, {K::Operator, "{"},
                      {K::Variable, "$z"}, {K::Operator, "="}, {K::Variable, "$a"}, {K::Operator, "/"},
                      {K::Variable, "$b"}, {K::Operator, "/"}, {K::Number, "2"}, {K::Operator, "}"}}));
    // Barewords that only look like operators: hash keys, fat-comma keys, methods.
    EXPECT_EQ(ScanLine(perl, "$h{s} = (y => 1); $o->q(2);"),
              (Pieces{{K::Variable, "$h"}, {K::Operator, "{"}, {K::Identifier, "s"}, {K::Operator, "}"},
                      {K::Operator, "="}, {K::Operator, "("}, {K::Identifier, "y"}, {K::Operator, "=>"},
                      {K::Number, "1"}, {K::Operator, ");"}, {K::Variable, "$o"}, {K::Operator, "->"},
                      {K::Identifier, "q"}, {K::Operator, "("}, {K::Number, "2"}, {K::Operator, ");"}}));
    auto lines = ScanLines(perl, {"my $re = qr{", "  (\\w+) { nested }", "}x; my $s = \"two", "lines\";"});
    EXPECT_EQ(lines[0].back(), (Piece{K::Regex, "qr{"}));
    EXPECT_EQ(lines[1], (Pieces{{K::Regex, "  (\\w+) { nested }"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Regex, "}x"}, {K::Operator, ";"}, {K::Keyword, "my"}, {K::Variable, "$s"},
                                {K::Operator, "="}, {K::String, "\"two"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::String, "lines\""}, {K::Operator, ";"}}));
}

TEST(PerlHighlighter, HereDocumentsEndAtTheirTerminators)
{
    TPerlHighlighter perl;
    auto lines = ScanLines(perl, {"print <<\"EOF\", <<'RAW', <<~END;", "Dear $name,", "EOF", "not $interpolated",
                                  "RAW", "    indented", "    END", "my $x = 1 << 2;"});
    EXPECT_EQ(lines[0], (Pieces{{K::Keyword, "print"}, {K::String, "<<\"EOF\""}, {K::Operator, ","},
                                {K::String, "<<'RAW'"}, {K::Operator, ","}, {K::String, "<<~END"},
                                {K::Operator, ";"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::String, "Dear "}, {K::Variable, "$name"}, {K::String, ","}}));
    EXPECT_EQ(lines[2], (Pieces{{K::String, "EOF"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::String, "not $interpolated"}}));
    EXPECT_EQ(lines[4], (Pieces{{K::String, "RAW"}}));
    EXPECT_EQ(lines[6], (Pieces{{K::String, "    END"}}));
    EXPECT_EQ(lines[7], (Pieces{{K::Keyword, "my"}, {K::Variable, "$x"}, {K::Operator, "="}, {K::Number, "1"},
                                {K::Operator, "<<"}, {K::Number, "2"}, {K::Operator, ";"}}));
}

TEST(PerlHighlighter, PodAndTheEndSection)
{
    TPerlHighlighter perl;
    auto lines = ScanLines(perl, {"=head1 NAME", "", "my $x; # still pod", "=cut", "my $y;", "__END__", "data $z",
                                  "=pod", "=cut", "more data"});
    EXPECT_EQ(lines[0], (Pieces{{K::Documentation, "=head1 NAME"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Documentation, "my $x; # still pod"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::Documentation, "=cut"}}));
    EXPECT_EQ(lines[4], (Pieces{{K::Keyword, "my"}, {K::Variable, "$y"}, {K::Operator, ";"}}));
    EXPECT_EQ(lines[5], (Pieces{{K::Keyword, "__END__"}}));
    EXPECT_EQ(lines[6], (Pieces{{K::Text, "data $z"}}));
    EXPECT_EQ(lines[7], (Pieces{{K::Documentation, "=pod"}}));
    EXPECT_EQ(lines[9], (Pieces{{K::Text, "more data"}}));
}

} // namespace
} // namespace lorivex::test
