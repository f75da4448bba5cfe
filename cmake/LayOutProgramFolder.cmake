# SPDX-License-Identifier: GPL-3.0-or-later
# Lays out the program folder as users unpack it, and the sample simulator.
# What the user changes there is kept: the settings file is copied only when
# absent, the back-ups are never touched, and the sample simulator is laid out
# only when it has no train.exe (so a storm installed in it survives a rebuild).
# Inputs: SOURCE_DIR, PROGRAM_DIR, SAMPLE_DIR (none laid out when empty).

set(dump ${PROGRAM_DIR}/Dump)
file(MAKE_DIRECTORY ${dump} ${dump}/Languages ${dump}/Textures ${dump}/Sounds ${dump}/rain ${dump}/back_up)

file(GLOB languages ${SOURCE_DIR}/data/Dump/Languages/*.lng)
foreach(f ${languages})
  file(COPY ${f} DESTINATION ${dump}/Languages)
endforeach()

if(NOT EXISTS ${dump}/All_dat.ini)
  file(COPY ${SOURCE_DIR}/data/Dump/All_dat.ini DESTINATION ${dump})
endif()

file(GLOB documents ${SOURCE_DIR}/data/help/*.doc)
foreach(f ${documents})
  file(COPY ${f} DESTINATION ${PROGRAM_DIR})
endforeach()

if(SAMPLE_DIR AND NOT EXISTS ${SAMPLE_DIR}/train.exe)
  file(COPY ${SOURCE_DIR}/data/SampleMSTS/ DESTINATION ${SAMPLE_DIR})
endif()
