#pragma once
#include <QString>

// For the end-to-end tests: while KELVO_STATE_FILE names a file, the running
// program writes what a user sees into it as JSON whenever it changes (the
// visible windows with their titles and places, the named controls with
// their texts, states and places on the screen, list and table rows, the
// modal window, the active window and the focus). The tests drive the
// program with real key and mouse events and read this file; nothing of it
// runs without the variable.
void installStateProbe();
