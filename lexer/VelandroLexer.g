// The Velandro lexer. ANTLR 2.7.7 turns this file into VelandroLexer and
// VelandroTokenTypes at build time.
//
// Every rule here, protected or not, owns a token type, and the type numbers
// are pinned by VelandroPinnedTokenTypes.txt: adding a rule would add a type
// the parser does not know, so character classes are written inline instead
// of as helper rules.
//
// The order of the rules matters twice: rules that need two characters to be
// chosen are tried in nextToken in the order written here, and the character
// sets are numbered in the order in which the rules first use them.

// BufferLexer reads the input from memory and pools the tokens.
header "post_include_hpp" {
#include "lexer/buffer_lexer.h"
}

options {
    language = "Cpp";
}

class VelandroLexer extends Lexer("BufferLexer");
options {
    k = 2;
    importVocab = VelandroPinned;
    exportVocab = Velandro;
    charVocabulary = '\u0000'..'\u00FF';
    // Only identifiers are looked up in the keyword table.
    testLiterals = false;
    caseSensitiveLiterals = true;
}

{
private:
    // The number rule's trials are tried only when a scan of the characters
    // ahead says they will match: a failed trial costs an exception, and
    // nearly every number in a source would fail one or two of them.
    static bool isDigit(int c) { return c >= '0' && c <= '9'; }

    // Offset of the first character after the digits ahead (1 when none).
    int afterDigits()
    {
        unsigned int i = 1;
        while (isDigit(LA(i)))
            ++i;
        return static_cast<int>(i);
    }

    bool fractionAhead()
    {
        int i = afterDigits();
        return i > 1 && LA(i) == '.' && isDigit(LA(i + 1));
    }

    bool exponentAhead()
    {
        int i = afterDigits();
        if (i == 1 || (LA(i) != 'e' && LA(i) != 'E'))
            return false;
        ++i;
        if (LA(i) == '+' || LA(i) == '-')
            ++i;
        return isDigit(LA(i));
    }

    bool realSuffixAhead()
    {
        int i = afterDigits();
        int c = LA(i);
        return i > 1 && (c == 'F' || c == 'R' || c == 'f' || c == 'r');
    }
}

// --- Blanks, line ends, single characters --------------------------------

WS_ : ( ' ' | '\t' | '\f' ) { $setType(antlr::Token::SKIP); } ;

// Line ends are tokens: statements end with them. Also called from the
// comment rules and the closing-keyword trials, where no token is made.
EOL : ( '\n' | '\r' ( '\n' )? ) { newline(); } ;

// The control character 0x17 is dropped like a blank.
EOF : '\u0017' { $setType(antlr::Token::SKIP); } ;

// ORDER SINGLE-TOKENS: the direct path's `singles` in buffer_lexer.cpp
// reads these too, LEFTPAR to ATCHAR.
LEFTPAR : '(' ;
RIGHTPAR : ')' ;
LEFTSQUARE : '[' ;
RIGHTSQUARE : ']' ;
RIGHTCURLY : '}' ;
COMMA : ',' ;
SEMI : ';' ;
PLUS : '+' ;
MUL : '*' ;
XOR_BIN : '^' ;
OR_BIN : '|' ;
AND_BIN : '&' ;
EQUAL : "=" ;
NOT_EQUAL : "!=" ;
ATCHAR : '@' ;

// --- Comments --------------------------------------------------------------

// A "#" comment reaches the parser, line end included; in a page, one
// that the end of its code block cuts short ends there, without one.
Q_COMMENT
    :   '#' ( { !codeBlockEndsHere() }? ~('\n'|'\r') )* EOL
    ;
    exception
    catch [antlr::NoViableAltForCharException& ex] {
        if (!codeBlockEndsHere())
            throw;
    }

SL_COMMENT
    :   "//" ( ~('\n'|'\r') )* EOL
        { $setType(antlr::Token::SKIP); }
    ;

ML_COMMENT
    :   "/*"
        (   options { greedy = false; generateAmbigWarnings = false; }
        :   '\r' '\n' { newline(); }
        |   '\r' { newline(); }
        |   ~('\n'|'\r')
        |   '\n' { newline(); }
        )*
        "*/"
        { $setType(antlr::Token::SKIP); }
    ;

// --- Strings ---------------------------------------------------------------

// Escapes are checked, not decoded: the text stays as written.
STRING_LITERAL
    :   '"' ( ESC | ~('"'|'\\'|'\n'|'\r') )* '"'
    |   '\'' ( ESC | ~('\''|'\\'|'\n'|'\r') )* '\''
    ;

protected
ESC
    :   '\\'
        (   'n' | 'r' | 't' | 'b' | 'f' | '"' | '\'' | '$' | '\\'
        |   ( 'u' )+ HEX_DIGIT HEX_DIGIT HEX_DIGIT HEX_DIGIT
        |   '0'..'3'
            (   options { warnWhenFollowAmbig = false; }
            :   '0'..'7'
                (   options { warnWhenFollowAmbig = false; }
                :   '0'..'7'
                )?
            )?
        |   '4'..'7'
            (   options { warnWhenFollowAmbig = false; }
            :   '0'..'9'
            )?
        )
    ;

protected
HEX_DIGIT : '0'..'9' | 'A'..'F' | 'a'..'f' ;

// --- Two-character operators -----------------------------------------------

// ORDER OPERATORS: the direct path's operatorEnd in buffer_lexer.cpp reads
// these, the markup tags and the one-character prefixes at the end too.

SHIFTR : ">>" { $setType(SHIFT_RIGHT); } ;

SHIFTL
    :   "<<" { $setType(SHIFT_LEFT); }
    |   "<>" { $setType(PASDIFF); }
    ;

LESS_EQUAL : "<=" ;
GREAT_EQUAL : ">=" ;
EQIF : ":=" ;
MINMIN : "--" ;
OPENVEL : "<?" ;
CLOSEVEL : "?>" ;

// --- Blocks that may span lines ---------------------------------------------

// In a page, a block still open at the end of its code block ends there,
// without its closing mark (the parser reports it): the page text after
// the closer is never taken into it.
NATIVECODE
    :   "~~"
        (   options { greedy = false; generateAmbigWarnings = false; }
        :   '\r' '\n' { newline(); }
        |   '\r' { newline(); }
        |   { !codeBlockEndsHere() }? ~('\n'|'\r')
        |   '\n' { newline(); }
        )*
        "~~"
    ;
    exception
    catch [antlr::MismatchedCharException& ex] {
        if (!codeBlockEndsHere())
            throw;
    }

TEMPLATE
    :   '`'
        (   options { greedy = false; generateAmbigWarnings = false; }
        :   '\r' '\n' { newline(); }
        |   '\r' { newline(); }
        |   { !codeBlockEndsHere() }? ~('\n'|'\r')
        |   '\n' { newline(); }
        )*
        '`'
    ;
    exception
    catch [antlr::MismatchedCharException& ex] {
        if (!codeBlockEndsHere())
            throw;
    }

// --- Markup ------------------------------------------------------------------

XOPEN
    :   '<' ( 'a'..'z' | 'A'..'Z' )
        ( 'a'..'z' | 'A'..'Z' | '0'..'9' | '_' )*
    ;

XCLOSE
    :   "</" ( 'a'..'z' | 'A'..'Z' )
        ( 'a'..'z' | 'A'..'Z' | '0'..'9' | '_' )* '>'
    ;

PHPID
    :   '$' ( 'a'..'z' | 'A'..'Z' | '_' )
        ( 'a'..'z' | 'A'..'Z' | '0'..'9' | '_' )*
    ;

PHPCONSTANT
    :   "$(" ( 'a'..'z' | 'A'..'Z' | '_' )
        ( 'a'..'z' | 'A'..'Z' | '0'..'9' | '_' )* ')'
    ;

// A block of page text, written by the driver on one line.
HTML
    :   "{|"
        (   options { greedy = false; }
        :   ~('\n'|'\r')
        )*
        "|}"
    ;

// --- Numbers and dots --------------------------------------------------------

// The alternatives are tried in this order: a range ".." wins over a real,
// and digits followed by ".." stay an integer.
INTEGER
    :   ( ".." ) => ".." { $setType(DOTDOT); }
    |   { fractionAhead() }? ( ( '0'..'9' )+ '.' '0'..'9' ) =>
        ( '0'..'9' )+ '.' ( '0'..'9' )+ ( EXPONENT )? ( REAL_SUFFIX )?
        { $setType(REAL_LITERAL); }
    |   { exponentAhead() }? ( ( '0'..'9' )+ EXPONENT ) =>
        ( '0'..'9' )+ EXPONENT ( REAL_SUFFIX )?
        { $setType(REAL_LITERAL); }
    |   { realSuffixAhead() }? ( ( '0'..'9' )+ REAL_SUFFIX ) =>
        ( '0'..'9' )+ REAL_SUFFIX
        { $setType(REAL_LITERAL); }
    |   ( '.' '0'..'9' ) =>
        '.' ( '0'..'9' )+ ( EXPONENT )? ( REAL_SUFFIX )?
        { $setType(REAL_LITERAL); }
    |   '.' { $setType(DOT); }
    |   (   '1'..'9' ( '0'..'9' )*
        |   '0'
            (   ( '0'..'7' )+
            |   ( 'b' | 'B' ) ( '0' | '1' )+
            |   ( 'x' | 'X' ) ( HEX_DIGIT )+
            |
            )
        )
        ( 'L' | 'n' | 'l' )?
    ;

protected
EXPONENT : ( 'e' | 'E' ) ( '+' | '-' )? ( '0'..'9' )+ ;

protected
REAL_SUFFIX : 'F' | 'R' | 'f' | 'r' ;

// Any character; kept for its token type, used by no rule.
protected
VOCAB : '\u0003'..'\u00FF' ;

// --- Identifiers and keywords ------------------------------------------------

ID
options { testLiterals = true; paraphrase = "an identifier"; }
    :   ( 'a'..'z' | 'A'..'Z' )
        // the rest of the name at once; the loop then ends at once (and
        // does the work itself in a trial, where actions do not run)
        { consumeNameRest(); }
        ( 'a'..'z' | 'A'..'Z' | '0'..'9' | '_' )*
    ;

// --- Slash and closing keywords ----------------------------------------------

// "/if" and the like are closing keywords only when a line end, a blank, ";"
// or the end of a code block "?>" follows (a page trims "/if ?>" to "/if?>");
// the follower is left for the next token. Otherwise "/" is a division.
// ORDER CLOSING-KEYWORDS: closingKeywords in buffer_lexer.cpp, same order.
SLASH
    :   ( "/class" ( EOL | ' ' | ';' | "?>" ) ) => "/class" { $setType(SLASHCLASS); }
    |   ( "/if" ( EOL | ' ' | ';' | "?>" ) ) => "/if" { $setType(SLASHIF); }
    |   ( "/while" ( EOL | ' ' | ';' | "?>" ) ) => "/while" { $setType(SLASHWHILE); }
    |   ( "/for" ( EOL | ' ' | ';' | "?>" ) ) => "/for" { $setType(SLASHFOR); }
    |   ( "/do" ( EOL | ' ' | ';' | "?>" ) ) => "/do" { $setType(SLASHDO); }
    |   ( "/script" ( EOL | ' ' | ';' | "?>" ) ) => "/script" { $setType(SLASHSCRIPT); }
    |   ( "/error" ( EOL | ' ' | ';' | "?>" ) ) => "/error" { $setType(SLASHERROR); }
    |   ( "/enum" ( EOL | ' ' | ';' | "?>" ) ) => "/enum" { $setType(SLASHENUM); }
    |   ( "/try" ( EOL | ' ' | ';' | "?>" ) ) => "/try" { $setType(SLASHTRY); }
    |   ( "/extern" ( EOL | ' ' | ';' | "?>" ) ) => "/extern" { $setType(SLASHEXTERN); }
    |   '/' { $setType(DIV); }
    ;

// --- One-character tokens that prefix longer ones ----------------------------

QUESTION : '?' ;
LEFTCURLY : '{' ;
COLON : ':' ;
MINUS : '-' ;
GREATER : '>' ;
NOT_BIN : '~' ;
LESSER : '<' ;
