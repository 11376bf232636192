// The frame of the generated program: its files, headers and event loop.
#ifndef TARVIK_ACTIONS_FRAME_H
#define TARVIK_ACTIONS_FRAME_H

// Opens "ccode.sort", "cdata.sort" and "initdata.sort"; a file that cannot be opened ends the
// run with status 8.
void do_init();
void do_cginit();
void do_cominit();
void do_mainend();
void do_commend();
// The trigger tables: one definition at a time, with its single parameters.
void do_trigger(int number);
void do_trigger_word(const char *name);
void do_trigger_end();

#endif
