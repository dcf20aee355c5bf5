/* A library named as libedit that has none of its functions. */
int fakeLibeditHasNoReadline = 1;
