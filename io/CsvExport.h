#ifndef CSVEXPORT_H
#define CSVEXPORT_H

#endif // CSVEXPORT_H
