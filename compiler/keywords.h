// Keyword lookup for the scanner.
#ifndef TARVIK_KEYWORDS_H
#define TARVIK_KEYWORDS_H

constexpr int NUM_KEYWORDS = 112;
extern int numres;   // number of keywords in use, set when parsing starts

void init_keywords();
// The keyword's token for an upper-cased text, or 0 when the text is not a keyword.
int keyword_token(const char *upper_text);

#endif
