#pragma once
// One instance per user session: the name of a kernel mutex marks a running instance,
// and a second start hands the focus to that instance's main window.

// True when another instance runs; its main window has then been brought forward
// (and restored when minimised) and this process should end. Otherwise the name is
// now held by this process until it ends.
bool HandOverToRunningInstance();
