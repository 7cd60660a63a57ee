// Resource ids of Reelmark: dialogs, controls, commands, bitmaps, strings.
#pragma once
