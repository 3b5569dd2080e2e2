#pragma once
// VESSA_BIN_DIR comes from the build: the folder with the databases.
