#pragma once
// The pictures compiled into the program (resources/resources.qrc). A static library's resources
// must be registered once before the first picture is loaded.
void initProgramResources();
