# CMake generated Testfile for 
# Source directory: /work/main/web
# Build directory: /work/main/build-web-oz/web
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("tests")
