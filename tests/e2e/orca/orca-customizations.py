# Orca runs this file from its preferences folder as it starts. Its debug log
# is block-buffered; write it out line by line instead, so that the test sees
# each "SPEECH OUTPUT:" line as soon as Orca would speak it.
import orca.debug

if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
