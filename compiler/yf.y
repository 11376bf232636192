/* The grammar of the sort language. Actions stay thin: each calls one routine of the driver,
 * the symbol tables or the code generator. */
%code top {
/* The parser's stack starts at 200 entries and doubles up to 10000; past that the parse
 * stops with "parser stack overflow" and status 2. */
#define YYINITDEPTH 200
#define YYMAXDEPTH 10000
#define YYSTYPE_IS_TRIVIAL 1
#define YY_(Msgid) parser_message(Msgid)
#include "parser_support.h"
}

%define api.value.type {int}
%define parse.error custom
%define parse.trace

%initial-action { parse_start(); }

%token NAME NAMEBRACKET NAMEDOTNAME PARAMNAME INAME INCNAME INCNAMEDOTNAME ANSINAME PATTERN GE
%token DOLLARNAME DOLLARITEMNAME INTEGER REAL FILENAME FILENAMEPATTERN NEWLINE
%token STARFORMATS STARTRIGGERS STARDATA STARSPECTRA STARAUTOGAIN STARCOMMANDS STARRUNFILES STARFINISH
%token ONED TWOD THREED
%token ABS ACOS ANGLES ARRAYLIST ASIN AT ATAN CALL CENTROIDS COPYGAIN COPYLIST COS CREATELIST 
%token DEC DELTAS DEVIATION DISC DOLOOP DOWN ELLIPSE2D ELLIPSE3D ELSE END ENDEVENT EQ EVENT EXEC 
%token EXP EXTRACT FAILS FACTOR FIXEDLEN FLOAT FROM GAIN GAINARRAY GAINWORD GATEARRAY GATEDBY 
%token GATEMAP GATES GOTO GROUP GROUPFILTER GT IF INC INCBITS INDEXED INIT INTO INVALID 
%token INVALIDATE IOR IRANDOM ITEM KEEP LABEL LE LOG LOG10 LONG LONGLONG LOOPEXTRACT LOOPFAIL 
%token LOOPIF LT MASK MASKEDBY MOD MULTI NBIT NE NEWLISTX NEWLISTY NOT NOMATCH NUMBER NWORDS 
%token OFFSET ORDER ORDERED OUTPUT PASSES PAUSE PEAKAREA PEAKS POW RANDOM myREJECT REVERSED 
%token ROUTINE SAMPLE SAVE SELECT SET SIN SQRT STEP TAN TIMESTAMPOF TO UP UNI USER VALUEARRAY 
%token VALID VALUE VARLEN VOVERC WORD XOR

%%

program         : optnewlines { parser_version_trace(); } formatsection
                    { end_of_program(); }
                ;

formatsection   : STARFORMATS newlines fdefs
                | error NEWLINE fdefs
                ;

optnewlines     : %empty
                | newlines
                ;

newlines        : NEWLINE
                | newlines NEWLINE
                ;

fdefs           : { formats_start(); } formatstats { formats_end(); } triggersection
                ;

triggersection  : STARTRIGGERS newlines tdefs
                | datasection
                ;

tdefs           : trigstats datasection
                ;

datasection     : STARDATA newlines ddefs
                | spectrasection
                ;

ddefs           : datastats { data_end(); } spectrasection
                ;

spectrasection  : STARSPECTRA newlines sdefs
                | autogainsection
                ;

sdefs           : specstats { spectra_end(); } autogainsection
                ;

autogainsection : STARAUTOGAIN { autogain_start(); } newlines adefs
                | commandsection
                ;

adefs           : autogainstats commandsection
                ;

commandsection  : STARCOMMANDS { commands_start(); } newlines cdefs
                | finishsection
                ;

cdefs           : cstats { commands_end(); } runfilesection
                ;

runfilesection  : finishsection
                | STARRUNFILES newlines rdefs
                ;

rdefs           : runfilestats { runfiles_end(); } finishsection
                ;

finishsection   : STARFINISH newlines
                ;

/* The statements of each section come with the declaration and command grammar; until then
 * a section accepts no statement and its error rule skips each line. */
formatstats     : %empty
                | formatstats error newlines
                ;

trigstats       : %empty
                | trigstats error NEWLINE
                ;

datastats       : %empty
                | datastats error NEWLINE
                ;

specstats       : %empty
                | specstats error NEWLINE
                ;

autogainstats   : autogaindecs { autogain_declarations_end(); } autogaincommands
                    { autogain_commands_end(); }
                ;

autogaindecs    : %empty
                | autogaindecs error NEWLINE
                ;

autogaincommands: %empty
                ;

cstats          : command1stats { main_commands_end(); } optroutstats { routines_end(); }
                ;

command1stats   : %empty
                | command1stats error NEWLINE
                ;

optroutstats    : %empty
                ;

runfilestats    : %empty
                | runfilestats error NEWLINE
                ;

%%

/* Syntax errors read "parse error, unexpected NAME, expecting A or B": the expected tokens are
 * listed when there are at most four of them. */
static const char *grammar_name(yysymbol_kind_t symbol)
{
    if (symbol == YYSYMBOL_YYEOF)
        return "$";
    if (symbol == YYSYMBOL_YYUNDEF)
        return "$undefined";
    return yysymbol_name(symbol);
}

const char *token_name(int token)
{
    return grammar_name(YYTRANSLATE(token));
}

static int yyreport_syntax_error(const yypcontext_t *ctx)
{
    enum { MAX_EXPECTED = 4 };
    yysymbol_kind_t expected[MAX_EXPECTED];
    int total = yypcontext_expected_tokens(ctx, NULL, 0);
    if (total <= 0) {
        yyerror("parse error");
        return 0;
    }
    int listed = yypcontext_expected_tokens(ctx, expected, MAX_EXPECTED);
    try {
        std::string message = "parse error, unexpected ";
        message += grammar_name(yypcontext_token(ctx));
        for (int i = 0; i < listed; i++) {
            message += i == 0 ? ", expecting " : " or ";
            message += grammar_name(expected[i]);
        }
        yyerror(message.c_str());
    } catch (const std::bad_alloc &) {
        yyerror("parse error; also virtual memory exhausted");
    }
    return 0;
}
