#pragma once

// The two modes of the work window, chosen on the start window; a window keeps
// its mode for as long as it is open.
enum class WorkMode { Editor, Solving };
